#pragma once

#include <array>
#include <string>

#include "project/JobSession.h"
#include "ui/main/MainPanel.h"

namespace corvane {

class DialogProvider;
class WindowZoom;

// The main window's commands: the File, Edit, Tools and Help menus, and the buttons beside the
// lengths that open the comments, growth and tolerance windows and reset the job.
class MainMenus {
public:
    MainMenus(const MainPanelContext& context, DialogProvider& dialogs);

    // The buttons, then the menus: each takes its place in the window's tab order as it is built.
    void buildButtons();
    void buildMenus();
    // View: the window's zoom in steps (Ctrl++, Ctrl+-, Ctrl+0), between Edit and Tools.
    void buildViewMenu(WindowZoom& zoom);
    void setRecentFileCaptions(const std::array<std::string, kRecentFileCount>& captions);
    // Undo and Redo as the job's history allows them, each naming its step.
    void showEditState(const JobSession& session);
    // The boxes of `window` hand Ctrl+Z and Ctrl+Shift+Z to the Edit menu unless they have an edit
    // of their own.
    static void routeUndoKeys(QWidget* window);

private:
    void buildHelpMenu();

    MainPanelContext context_;
    MainWindowControls& ui_;
    DialogProvider& dialogs_;
};

}  // namespace corvane
