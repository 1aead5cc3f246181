// File > Export Report... and File > Print Report... in the main window, with the dialogs scripted: the
// report shows the window as it stands, including a value still being typed.

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QTest>

#include "MainWindowTestSupport.h"
#include "project/ProjectFile.h"

using namespace corvane;

namespace {

// The PDF's text as pdftotext reads it, blanks folded.
QString pdfText(const QString& file) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        recordTestFailure(QStringLiteral("pdftotext (poppler-utils) could not read ") + file);
    return QString::fromUtf8(tool.readAllStandardOutput()).simplified();
}

}  // namespace

class ReportActionsTest : public QObject {
    Q_OBJECT
private slots:
    void exportAndPrintReportTheWindowAsItStands() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        // Both are in the File menu.
        const QMenu* file = w.menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
        auto* exportAction = file->findChild<QAction*>(QStringLiteral("mnuFileExportReport"));
        auto* printAction = file->findChild<QAction*>(QStringLiteral("mnuFilePrintReport"));
        QVERIFY(exportAction && printAction && file->actions().contains(exportAction));

        // Rim and face with growth on, a machine name, and the rim's 6:00 reading typed but not yet
        // committed: Vn = -2 * 20 / 10 - 14 / 2 = -11, Vf = -2 * 40 / 10 - 7 = -15.
        typeInto(w.controls().txtMachine, QStringLiteral("Pump P-7"));
        w.controls().optAcalc[1]->click();
        w.controls().chkTgrowth->click();
        typeInto(w.controls().txtD1[2], QStringLiteral("14"), false);

        const QString folder = QFileInfo(t.defaultProject()).path();
        const QString exported = folder + QStringLiteral("/job report.pdf");
        t.dialogs().reportFileAnswers = {exported, t.defaultProject(), std::nullopt};
        exportAction->trigger();
        QCOMPARE(t.dialogs().reportProposals, QStringList{folder + QStringLiteral("/Corvane.pdf")});
        QCOMPARE(w.controls().lblAcalc1->text(), calculated(t).vertical);
        const QString text = pdfText(exported);
        for (const char* expected :
             {"Machine Pump P-7", "File Corvane.qdl", "Method Rim and Face", "Bracket side Fixed Mach",
              "Thermal growth Applied", "NEAR Foot: move 11.00 mils DOWN", "FAR Foot: move 15.00 mils DOWN",
              "Verdict Alignment:", "Readings check", "Page 3 of 3"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        QVERIFY(t.dialogs().messages.isEmpty());

        // A project's own name is refused, and the project stays as it was; Cancel writes nothing.
        const QByteArray project = fileBytes(t.defaultProject());
        exportAction->trigger();
        QCOMPARE(t.dialogs().messages.size(), 1);
        QVERIFY(t.dialogs().messages.front().contains(QStringLiteral("is a project file name")));
        exportAction->trigger();
        QCOMPARE(fileBytes(t.defaultProject()), project);
        QCOMPARE(QDir(folder).entryList(QStringList{QStringLiteral("*.pdf")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("job report.pdf")});

        // Print Report: the preview prints the same pages.
        const QString printed = folder + QStringLiteral("/printed.pdf");
        t.dialogs().onPreview = [&](QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            paint(printer);
        };
        printAction->trigger();
        QCOMPARE(t.dialogs().previewRequests, 1);
        QCOMPARE(pdfText(printed), text);
        QCOMPARE(t.dialogs().messages.size(), 1);
    }
};

QTEST_MAIN(ReportActionsTest)
#include "report_actions_test.moc"
