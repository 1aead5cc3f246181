#pragma once

#include <memory>
#include <string>

#include "project/AppState.h"

namespace corvane {

class DialogProvider;
class MainPanels;
class ProjectCommands;
class RecoveryKeeper;
class UserPrompts;
class frmDials;

// The open job as the main window runs it: the File menu's commands, closing, the recovery copy and
// the offer to restore a job left behind, the undo history in the Edit menu with the title bar's
// changed mark, and the status bar's note on the open file.
//
// The job's history lives in the session (AppState::Session): each handler that changes the job
// reports it, and the session makes a step of whatever differs from the last one. A knob dragged
// is one step (reported when the button comes up), a typed reading is one step (it is stored as the
// box is left). The project counts as changed exactly when the job differs from what was last
// opened or saved.
class MainSession {
public:
    MainSession(AppState& state, DialogProvider& dialogs, frmDials& window, MainPanels& panels);
    ~MainSession();

    ProjectCommands& commands() { return *commands_; }
    RecoveryKeeper& recovery() { return *recovery_; }

    // Each command first takes what is still being typed.
    void fileNew();
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    void fileRecent(int index);
    // False when the window must stay open: the user asked to save and the save failed.
    bool close();
    // Offers the newest job of a program that closed without saving it; on Yes it becomes the
    // open, unsaved project.
    void offerRecovery();
    // The title bar: the version, the file, the changed mark and the clock.
    void showTitle();
    // The manual at the section of the control with the keyboard.
    void showManual();
    // A worked example opened as a new project that is not yet saved anywhere, with its page of
    // the manual.
    void openExample(int method);

    // An edit of the job made a step of the history.
    void edited();
    void undo();
    void redo();
    // The history starts anew with the job as it is now.
    void start();
    // A save made the job as it is now the one it is compared with.
    void saved();
    // The Edit menu's actions and the title bar's mark as the history allows them.
    void showEditState();
    // The view options found no room in the job's reserved text (or found it again).
    void setViewNotKept(bool notKept);
    // A file that is no project (open read-only), one that another Corvane has open, view options
    // that did not fit in the record.
    void showFileNotes();

private:
    AppState& state_;
    DialogProvider& dialogs_;
    frmDials& window_;
    MainPanels& panels_;
    std::unique_ptr<UserPrompts> prompts_;
    std::unique_ptr<ProjectCommands> commands_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    // The file this window marks as open, whether another program had it open then, and whether
    // the last view options found no room in the record.
    std::string heldFile_;
    bool otherHolds_ = false;
    bool viewNotKept_ = false;
};

}  // namespace corvane
