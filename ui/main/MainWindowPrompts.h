#pragma once

#include "project/ProjectCommands.h"

namespace corvane {

class DialogProvider;
class frmDials;

// The file commands' questions and notices, answered by the main window: message boxes and file
// dialogs through the DialogProvider, the refresh and the menu through the window.
class MainWindowPrompts : public UserPrompts {
public:
    MainWindowPrompts(frmDials& window, DialogProvider& dialogs) : window_(window), dialogs_(dialogs) {}

    void showMessage(const std::string& text) override;
    SaveAnswer askToSave(const std::string& text) override;
    std::optional<std::string> chooseOpenFile(const std::string& initialFolder,
                                              const std::string& filter) override;
    std::optional<std::string> chooseSaveFile(const std::string& initialFolder,
                                              const std::string& filter) override;
    void refreshAll() override;
    void recentFilesChanged(const std::array<std::string, kRecentFileCount>& captions) override;
    void dateStampChanged(double oleDate) override;
    double currentDate() override;
    OverwriteAnswer askOverwrite(const std::string& text) override;
    bool askYesNo(const std::string& text) override;

private:
    frmDials& window_;
    DialogProvider& dialogs_;
};

}  // namespace corvane
