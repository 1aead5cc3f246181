#pragma once

#include <array>
#include <optional>
#include <string>

#include "project/AppState.h"
#include "project/FileIdentity.h"
#include "project/ProjectName.h"

namespace corvane {

// What the file commands need from a person. The desktop program answers with real dialogs;
// tests answer with a scripted stand-in. Texts are the program's own messages, exactly.
enum class SaveAnswer { Save, DontSave, Cancel };
// The project file changed on disk since this program opened or saved it.
enum class OverwriteAnswer { Overwrite, SaveAs, Cancel };

class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // A message box with an OK button only and the program's title as caption.
    virtual void showMessage(const std::string& text) = 0;
    // The save prompt: save the changes, throw them away, or stop the command that asked.
    virtual SaveAnswer askToSave(const std::string& text) = 0;
    // File dialogs; nullopt when the user cancels. `filter` is "Corvane Files (*.qdl)| *.qdl".
    virtual std::optional<std::string> chooseOpenFile(const std::string& initialFolder,
                                                      const std::string& filter) = 0;
    virtual std::optional<std::string> chooseSaveFile(const std::string& initialFolder,
                                                      const std::string& filter) = 0;
    // Put the whole record on screen and recalculate (the main window's refreshAll).
    virtual void refreshAll() = 0;
    // The recent-file menu items changed: an empty caption means the item is hidden.
    virtual void recentFilesChanged(const std::array<std::string, kRecentFileCount>& captions) = 0;
    // A save stored a new date stamp (an OLE date); the window shows it in lblCompany as
    // "dd-mmm-yyyy hh:mm:ss".
    virtual void dateStampChanged(double oleDate) = 0;
    // The present date and time as an OLE date; tests may fix it.
    virtual double currentDate();
    // Overwrite the file that changed on disk, save under another name, or stop. Unanswered: Cancel.
    virtual OverwriteAnswer askOverwrite(const std::string& text);
    // A question with Yes and No. Unanswered: No.
    virtual bool askYesNo(const std::string& text);
};

inline constexpr const char* kFileFilter = "Corvane Files (*.qdl)| *.qdl";
inline constexpr const char* kExtensionMessage = "Project must have '.qdl' extension.";
inline constexpr const char* kSavePrompt = "Do you want to save\nyour current settings?";
// The question before a job is closed with changes: it names the job's file ("Save the changes to
// pump 12.qdl?"), so that nobody answers it for another job; kSavePrompt when there is no file.
std::string savePrompt(const std::string& currentFile);

// "File:  <path>\ndoesnot exist. ", shown when a project named in the recent list is gone.
std::string missingFileMessage(const std::string& path);
// What a file that fails the plausibility check opens with: the warning, the file and why.
std::string foreignFileMessage(const std::string& path, const std::string& why);
// The question before a save over a file that changed on disk since it was opened or saved here.
std::string changedOnDiskQuestion(const std::string& path);
// Whether a stored date stamp is plausible: later than day 1999 (21 June 1905) and before
// 1 January 2999 00:00. Anything else (0 of a never-saved record, NaN) gets refreshed on loading.
bool dateStampInRange(double oleDate);

// The file logic of the program: start-up loading, the recent-files list, the save prompt,
// and the File menu commands. Works on one AppState and asks the person through UserPrompts.
class ProjectCommands {
public:
    ProjectCommands(AppState& state, UserPrompts& prompts);

    // Loads (or creates) the project named by RecentFiles[0]. Never fails: a missing or
    // unreadable file falls back to the default project.
    void openProject(bool createNew);
    // Start-up with a project named on the command line (a double-click in a file manager): the
    // file is put at the head of the recent list, as Open does, and opened; a missing or unreadable
    // one gives the missing-file message and the default project. A relative name is taken from the
    // working folder and kept as a full path, so that the recent list still finds it from elsewhere.
    // An empty name is the ordinary start.
    void openProjectAtStart(const std::string& fileName);
    void setupMRUlist();
    // Asks to save a changed project and saves when asked to. Returns false when the command that
    // asked must stop: the user cancelled, or asked to save and the save failed (the unsaved job
    // would otherwise be lost).
    bool saveIfChanged();
    std::string folderOf() const;
    void loadProjectFile(bool createNew, const std::string& fileName);

    // A clean job: defaults, empty texts, no growth, the present time; nothing of the open job.
    void fileNew();
    // File > New From This Job and a job taken from the history: the save prompt, a file name, then
    // `job` (stamped with the present time) as the open project, written to the file when `write`,
    // else left unsaved for the user to save. False when the user cancelled.
    bool fileNewFrom(const ProjectRecord& job, bool write);
    void fileOpen();
    // Returns false when the write failed; the failure has been reported and the job stays
    // changed. A file that is no project asks for a new name; one changed on disk since asks first.
    bool fileSave();
    void fileSaveAs();
    void fileRecent(int index);
    // Exit and closing the main window: the save prompt. Returns false when the user cancelled or a
    // save the user asked for failed; the program then stays open.
    bool exitProgram();

    // The open file failed the plausibility check (kForeignFileWarning): it is shown read-only and
    // Save asks for a new name, so that a text file opened by mistake is never written over.
    bool readOnly() const { return !foreignReason_.empty(); }
    const std::string& foreignReason() const { return foreignReason_; }
    // The file as this program last opened or saved it; a save over it when it is no longer so asks
    // first. Set again after a restored job names its file.
    void rememberFileOnDisk();

private:
    // Writes the record to `path`; on failure tells the user which file could not be saved.
    bool writeAndReport(const std::string& path);
    // Writes the job to CurrentFile with a new stamp; `askIfChangedOnDisk`: first compares the file
    // with how it was last opened or saved here.
    bool saveCurrent(bool askIfChangedOnDisk);
    bool saveAsLoop();
    // Reads a project for opening; notes and reports a file that is no project of ours.
    bool readForOpening(const std::string& path);
    // Puts CurrentFile at the head of the recent list in memory.
    void putCurrentAtHead();
    // Reads the default project, or creates it with defaults when there is none (or an empty one).
    // False when it exists but cannot be read: it then must not be written over.
    bool loadDefaultProject(const std::string& path);
    // A clean default project written to `path`, stamped with the present time.
    void createProject(const std::string& path);
    void readRecentFiles();
    // Shows the list in the menu and writes the settings file.
    void storeRecentFiles();

    AppState& state_;
    UserPrompts& prompts_;
    // The last load left the record different from its copy on disk (a write failed, or the date
    // stamp was refreshed), so it must be offered for saving rather than be marked unchanged.
    bool unsavedAfterOpen_ = false;
    // The settings file could not be written this session: the list in memory is the truth.
    bool settingsWriteFailed_ = false;
    // The list in memory already holds a file named at start; the stored one is not read again.
    bool listReadAtStart_ = false;
    std::string foreignReason_;
    FileIdentity onDisk_;
};

}  // namespace corvane
