#include "ui/common/DialogProvider.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include "project/OleDate.h"
#include "ui/common/FileFilter.h"

namespace corvane {

double DialogProvider::currentDate() { return nowOleDate(); }

void QtDialogProvider::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kProgramTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogProvider::askYesNo(QWidget* parent, const QString& text, Default defaultAnswer) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kProgramTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultAnswer == Default::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

SaveAnswer QtDialogProvider::askToSave(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kProgramTitle), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Don't Save"));
    // Enter saves: the answer that loses nothing. Escape and the close button cancel the command.
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Save)) return SaveAnswer::Save;
    if (box.clickedButton() == box.button(QMessageBox::Discard)) return SaveAnswer::DontSave;
    return SaveAnswer::Cancel;
}

OverwriteAnswer DialogProvider::askOverwrite(QWidget*, const QString&) { return OverwriteAnswer::Cancel; }

OverwriteAnswer QtDialogProvider::askOverwrite(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProgramTitle), text,
                    QMessageBox::Save | QMessageBox::SaveAll | QMessageBox::Cancel, parent);
    box.button(QMessageBox::SaveAll)->setText(QStringLiteral("&Overwrite"));
    box.button(QMessageBox::Save)->setText(QStringLiteral("Save &As..."));
    // Enter keeps both versions; overwriting the other work takes a deliberate click.
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::SaveAll)) return OverwriteAnswer::Overwrite;
    if (box.clickedButton() == box.button(QMessageBox::Save)) return OverwriteAnswer::SaveAs;
    return OverwriteAnswer::Cancel;
}

std::optional<QString> QtDialogProvider::chooseOpenFile(QWidget* parent, const QString& folder,
                                                        const QString& filter) {
    QFileDialog dialog(parent, QString(), folder, toQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogProvider::chooseSaveFile(QWidget* parent, const QString& folder,
                                                        const QString& filter) {
    // The toolkit's save dialog asks before replacing an existing file; no default suffix is
    // added, so a name without ".qdl" reaches the caller's extension check as typed.
    QFileDialog dialog(parent, QString(), folder, toQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtDialogProvider::setUpPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtDialogProvider::chooseReportFile(QWidget* parent, const QString& proposedPath) {
    QFileDialog dialog(parent, QStringLiteral("Export Report"), proposedPath,
                       QStringLiteral("PDF Files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtDialogProvider::previewReport(QWidget* parent, QPrinter& printer,
                                     const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Report"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

int QtDialogProvider::runModal(QDialog& dialog) { return dialog.exec(); }

}  // namespace corvane
