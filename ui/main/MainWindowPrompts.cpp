#include "ui/main/MainWindowPrompts.h"

#include "calc/format/NumberFormat.h"
#include "ui/common/DialogProvider.h"
#include "ui/main/frmDials.h"

namespace corvane {

namespace {

std::optional<std::string> toStd(const std::optional<QString>& name) {
    if (!name) return std::nullopt;
    return name->toStdString();
}

}  // namespace

void MainWindowPrompts::showMessage(const std::string& text) {
    dialogs_.showMessage(&window_, QString::fromStdString(text));
}

SaveAnswer MainWindowPrompts::askToSave(const std::string& text) {
    return dialogs_.askToSave(&window_, QString::fromStdString(text));
}

std::optional<std::string> MainWindowPrompts::chooseOpenFile(const std::string& initialFolder,
                                                             const std::string& filter) {
    return toStd(dialogs_.chooseOpenFile(&window_, QString::fromStdString(initialFolder),
                                         QString::fromStdString(filter)));
}

std::optional<std::string> MainWindowPrompts::chooseSaveFile(const std::string& initialFolder,
                                                             const std::string& filter) {
    return toStd(dialogs_.chooseSaveFile(&window_, QString::fromStdString(initialFolder),
                                         QString::fromStdString(filter)));
}

void MainWindowPrompts::refreshAll() { window_.showOpenedProject(); }

void MainWindowPrompts::recentFilesChanged(const std::array<std::string, kRecentFileCount>& captions) {
    window_.setRecentFileCaptions(captions);
}

void MainWindowPrompts::dateStampChanged(double oleDate) {
    // Only a save stores a new stamp: the job as it is now is the saved one.
    window_.markSaved();
    window_.showDateStamp(QString::fromStdString(formatDateTime(oleDate)));
}

double MainWindowPrompts::currentDate() { return dialogs_.currentDate(); }

OverwriteAnswer MainWindowPrompts::askOverwrite(const std::string& text) {
    return dialogs_.askOverwrite(&window_, QString::fromStdString(text));
}

bool MainWindowPrompts::askYesNo(const std::string& text) {
    return dialogs_.askYesNo(&window_, QString::fromStdString(text));
}

}  // namespace corvane
