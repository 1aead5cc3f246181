#include "project/ProjectCommands.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "project/OleDate.h"
#include "project/ProjectFile.h"
#include "project/SafeWrite.h"

namespace corvane {

namespace {

constexpr double kEarliestDateStamp = 1999;  // day serial 1999, 21 June 1905
constexpr double kLatestDateStamp = [] {
    using namespace std::chrono;
    return static_cast<double>(
        (sys_days{year{2999} / January / 1} - sys_days{year{1899} / December / 30}).count());
}();

bool isRegularFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool isEmptyFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::file_size(path, ec) == 0 && !ec;
}

bool isSeparator(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    // A backslash is an ordinary character in a POSIX file name.
    return c == '/';
#endif
}

// `name` as a full path: a relative one is taken from the working folder, and "." steps are dropped.
// ".." stays: through a symbolic link, folding it away could name another file.
std::string fullPath(const std::string& name) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(name, ec);
    if (ec) return name;
    std::filesystem::path out;
    for (const auto& part : absolute) {
        if (part != "." && !part.empty()) out /= part;
    }
    return out.string();
}

}  // namespace

double UserPrompts::currentDate() { return nowOleDate(); }
OverwriteAnswer UserPrompts::askOverwrite(const std::string&) { return OverwriteAnswer::Cancel; }
bool UserPrompts::askYesNo(const std::string&) { return false; }

std::string missingFileMessage(const std::string& path) {
    return "File:  " + path + "\n" + "doesnot exist. ";
}

std::string foreignFileMessage(const std::string& path, const std::string& why) {
    return std::string(kForeignFileWarning) + ":\n" + path + "\n(" + why +
           ").\nIts values are shown read-only; Save asks for a new name.";
}

std::string changedOnDiskQuestion(const std::string& path) {
    return "The project\n" + path +
           "\nwas changed on disk after this window opened or saved it (by another program, or another "
           "Corvane window on the same job).\nOverwrite it with this job, save this job under another "
           "name, or cancel?";
}

bool dateStampInRange(double oleDate) { return oleDate > kEarliestDateStamp && oleDate < kLatestDateStamp; }

ProjectCommands::ProjectCommands(AppState& state, UserPrompts& prompts) : state_(state), prompts_(prompts) {}

std::string ProjectCommands::folderOf() const {
    const std::string& file = state_.CurrentFile;
    for (std::size_t i = file.size(); i > 0; --i) {
        if (isSeparator(file[i - 1])) return file.substr(0, i);
    }
    return {};
}

bool ProjectCommands::writeAndReport(const std::string& path) {
    std::string reason;
    if (writeProject(path, state_.Project, &reason)) return true;
    prompts_.showMessage("Could not save the project to\n" + path + "\n" + reason);
    return false;
}

void ProjectCommands::storeRecentFiles() {
    prompts_.recentFilesChanged(state_.RecentFiles);
    const std::string settings = state_.Paths.settingsFile();
    std::string reason;
    if (writeSettings(settings, state_.RecentFiles, &reason)) {
        settingsWriteFailed_ = false;
        return;
    }
    // Once is enough: the list still works for this session, it just will not be remembered.
    if (!settingsWriteFailed_) {
        prompts_.showMessage("Could not save the list of recent files to\n" + settings + "\n" + reason);
    }
    settingsWriteFailed_ = true;
}

void ProjectCommands::readRecentFiles() {
    // When the settings file could not be written, what it holds is stale: the list in memory
    // already names the file the user chose.
    if (settingsWriteFailed_) return;
    std::array<std::string, kRecentFileCount> stored;
    if (!readSettings(state_.Paths.settingsFile(), stored)) return;
    for (int i = 0; i < kRecentFileCount; ++i) {
        // A path with characters the file's code page cannot hold comes back with "?" in
        // them; within a session the exact path in memory is kept so the file still opens.
        std::string& current = state_.RecentFiles[i];
        if (!current.empty() && cp1252ToUtf8(utf8ToCp1252(current)) == stored[i]) continue;
        current = stored[i];
    }
}

void ProjectCommands::createProject(const std::string& path) {
    // A new job starts clean: the comments, date and growth of the job before it are not this one's.
    ProjectRecord& record = state_.Project;
    record = ProjectRecord{};
    setDefaults(record);
    record.DateStamp = prompts_.currentDate();
    if (!writeAndReport(path)) unsavedAfterOpen_ = true;
}

bool ProjectCommands::readForOpening(const std::string& path) {
    std::string foreign;
    if (!readProject(path, state_.Project, nullptr, &foreign)) return false;
    if (!foreign.empty()) {
        foreignReason_ = foreign;
        prompts_.showMessage(foreignFileMessage(path, foreign));
    }
    return true;
}

void ProjectCommands::rememberFileOnDisk() { onDisk_ = identifyFile(state_.CurrentFile); }

bool ProjectCommands::loadDefaultProject(const std::string& path) {
    ProjectRecord& record = state_.Project;
    // An empty default project is what a start that could not finish writing it leaves behind; it
    // holds no job, and read as one it would be a project of zeros.
    if (isRegularFile(path) && !isEmptyFile(path)) {
        std::string reason;
        std::string foreign;
        if (readProject(path, record, &reason, &foreign)) {
            if (!foreign.empty()) {
                foreignReason_ = foreign;
                prompts_.showMessage(foreignFileMessage(path, foreign));
            }
            return true;
        }
        // Not overwritten: it may still hold a job that can be rescued by hand.
        prompts_.showMessage("Could not open the project\n" + path + "\n" + reason +
                             "\nDefault values are shown instead.");
        setDefaults(record);
        return false;
    }
    createProject(path);
    return true;
}

void ProjectCommands::openProject(bool createNew) {
    if (!listReadAtStart_) readRecentFiles();
    listReadAtStart_ = false;
    std::string path = state_.RecentFiles[0];
    ProjectRecord& record = state_.Project;
    unsavedAfterOpen_ = false;
    foreignReason_.clear();

    if (path.empty()) {
        path = state_.Paths.defaultProjectFile();
        loadDefaultProject(path);
    } else if (createNew) {
        createProject(path);
    } else {
        state_.CurrentFile = path;
        // A file that is there but cannot be read (no permission, a share that went away)
        // is as good as missing: the program must still start with a project.
        if (!isRegularFile(path) || !readForOpening(path)) {
            prompts_.showMessage(missingFileMessage(path));
            path = state_.Paths.defaultProjectFile();
            loadDefaultProject(path);
        }
    }

    if (!dateStampInRange(record.DateStamp)) {
        // The refreshed stamp is kept in memory only: opening a file must never change it (it may
        // not even be a project), so the stamp reaches the disk with the next save the user asks
        // for. It alone is no change of the job.
        record.DateStamp = prompts_.currentDate();
    }

    state_.CurrentFile = path;
    rememberFileOnDisk();
    state_.Session.start(record, unsavedAfterOpen_);
    setupMRUlist();
}

void ProjectCommands::openProjectAtStart(const std::string& fileName) {
    if (!fileName.empty()) {
        // The stored list first, so that the named file joins it rather than replacing it; the list
        // is written once, when the project is open.
        readRecentFiles();
        state_.CurrentFile = fullPath(fileName);
        putCurrentAtHead();
        listReadAtStart_ = true;
    }
    openProject(false);
}

void ProjectCommands::setupMRUlist() {
    putCurrentAtHead();
    storeRecentFiles();
}

void ProjectCommands::putCurrentAtHead() {
    auto& recent = state_.RecentFiles;
    int i = kRecentFileCount - 1;
    for (int j = 0; j < kRecentFileCount; ++j) {
        if (recent[j] == state_.CurrentFile) {
            i = j;
            break;
        }
    }
    for (int j = i; j >= 1; --j) recent[j] = recent[j - 1];
    recent[0] = state_.CurrentFile;
}

std::string savePrompt(const std::string& currentFile) {
    const std::string name = std::filesystem::path(currentFile).filename().string();
    if (name.empty()) return kSavePrompt;
    return "Save the changes to " + name + "?";
}

bool ProjectCommands::saveIfChanged() {
    state_.Session.noteEdit(state_.Project);
    if (!state_.Session.changed()) return true;
    switch (prompts_.askToSave(savePrompt(state_.CurrentFile))) {
        case SaveAnswer::Save:
            return fileSave();
        case SaveAnswer::DontSave:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

void ProjectCommands::loadProjectFile(bool createNew, const std::string& fileName) {
    state_.CurrentFile = fileName;
    setupMRUlist();
    openProject(createNew);
    prompts_.refreshAll();
    // The refresh puts what the program keeps up by itself (the span) in place: the job opened is
    // the one after it.
    state_.Session.start(state_.Project, unsavedAfterOpen_);
}

void ProjectCommands::fileNew() {
    for (;;) {
        if (!saveIfChanged()) return;
        const auto name = prompts_.chooseSaveFile(folderOf(), kFileFilter);
        if (!name) return;
        if (hasProjectExtension(*name)) {
            loadProjectFile(true, *name);
            return;
        }
        prompts_.showMessage(kExtensionMessage);
    }
}

bool ProjectCommands::fileNewFrom(const ProjectRecord& job, bool write) {
    if (!saveIfChanged()) return false;
    for (;;) {
        const auto name = prompts_.chooseSaveFile(folderOf(), kFileFilter);
        if (!name) return false;
        if (hasProjectExtension(*name)) {
            state_.Project = job;
            state_.Project.DateStamp = prompts_.currentDate();
            state_.CurrentFile = *name;
            setupMRUlist();
            const bool written = write && writeAndReport(*name);
            prompts_.refreshAll();
            state_.Session.start(state_.Project, !written);
            return true;
        }
        prompts_.showMessage(kExtensionMessage);
    }
}

void ProjectCommands::fileOpen() {
    if (!saveIfChanged()) return;
    const auto name = prompts_.chooseOpenFile(folderOf(), kFileFilter);
    if (!name) return;
    loadProjectFile(false, *name);
}

bool ProjectCommands::fileSave() {
    // A job without a file (a worked example) is saved under a name the user chooses, never over
    // the file that was open before it.
    if (state_.CurrentFile.empty()) return saveAsLoop();
    // A file that is no project of ours is never written over: it gets a name of its own.
    if (readOnly()) return saveAsLoop();
    return saveCurrent(true);
}

bool ProjectCommands::saveCurrent(bool askIfChangedOnDisk) {
    const std::string& path = state_.CurrentFile;
    // Only a file that is there to be overwritten has work in it to lose.
    const FileIdentity now = identifyFile(path);
    if (askIfChangedOnDisk && onDisk_.exists && now.regularFile && now != onDisk_) {
        switch (prompts_.askOverwrite(changedOnDiskQuestion(path))) {
            case OverwriteAnswer::Overwrite:
                break;
            case OverwriteAnswer::SaveAs:
                return saveAsLoop();
            case OverwriteAnswer::Cancel:
                return false;
        }
    }
    ProjectRecord& record = state_.Project;
    const double previousStamp = record.DateStamp;
    record.DateStamp = prompts_.currentDate();
    std::string reason;
    if (!writeProject(path, record, &reason)) {
        // The stamp tells when the project was last saved; that has not changed.
        record.DateStamp = previousStamp;
        const std::string message = "Could not save the project to\n" + path + "\n" + reason;
        // Where the file cannot be replaced safely at all (a folder that takes no new file), the
        // job can still go elsewhere; it is never written in place.
        if (askIfChangedOnDisk && safeSaveImpossible(path)) {
            if (prompts_.askYesNo(message + "\n\nSave it under another name?")) return saveAsLoop();
            return false;
        }
        prompts_.showMessage(message);
        return false;
    }
    foreignReason_.clear();
    rememberFileOnDisk();
    state_.Session.markSaved(record);
    prompts_.dateStampChanged(record.DateStamp);
    return true;
}

void ProjectCommands::fileSaveAs() { saveAsLoop(); }

bool ProjectCommands::saveAsLoop() {
    for (;;) {
        const auto name = prompts_.chooseSaveFile(folderOf(), kFileFilter);
        if (!name) return false;
        if (!hasProjectExtension(*name)) {
            prompts_.showMessage(kExtensionMessage);
            continue;
        }
        const std::string previousFile = state_.CurrentFile;
        const auto previousRecent = state_.RecentFiles;
        state_.CurrentFile = *name;
        setupMRUlist();
        // The file dialog has asked before a file of that name is replaced.
        if (!saveCurrent(false)) {
            // Nothing was written under the new name: the project still lives in the old file.
            state_.CurrentFile = previousFile;
            state_.RecentFiles = previousRecent;
            storeRecentFiles();
            return false;
        }
        return true;
    }
}

void ProjectCommands::fileRecent(int index) {
    // An empty slot has no menu item; nothing to open.
    if (index < 0 || index >= kRecentFileCount || state_.RecentFiles[index].empty()) return;
    if (!saveIfChanged()) return;
    const std::string name = state_.RecentFiles[index];
    loadProjectFile(false, name);
}

bool ProjectCommands::exitProgram() { return saveIfChanged(); }

}  // namespace corvane
