#include "project/ProjectCommands.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>

#include "ProcessTestSupport.h"
#include "project/ProjectFile.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Recent = std::array<std::string, kRecentFileCount>;

constexpr double kNow = 46000.5;           // the stand-in's clock
constexpr double kMarch2020 = 43905.25;    // 15-Mar-2020 06:00
constexpr double kJanuary2999 = 401404.0;  // 01-Jan-2999 00:00

// Answers the file commands' questions from a script (a question or dialog with nothing queued
// fails the test and is answered No / Cancel) and records what it was shown.
class ScriptedPrompts : public UserPrompts {
public:
    std::vector<std::string> messages;
    std::deque<SaveAnswer> saveAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<OverwriteAnswer> overwriteAnswers;
    std::vector<std::string> questions;
    Recent menu;
    std::vector<double> stamps;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    SaveAnswer askToSave(const std::string& text) override {
        EXPECT_EQ(text.rfind("Save the changes to ", 0), 0u) << text;
        return next(saveAnswers, SaveAnswer::Cancel);
    }
    std::optional<std::string> chooseOpenFile(const std::string&, const std::string& filter) override {
        return chooseFile(filter);
    }
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string& filter) override {
        return chooseFile(filter);
    }
    void refreshAll() override {}
    void recentFilesChanged(const Recent& captions) override { menu = captions; }
    OverwriteAnswer askOverwrite(const std::string& text) override {
        questions.push_back(text);
        return next(overwriteAnswers, OverwriteAnswer::Cancel);
    }
    void dateStampChanged(double oleDate) override { stamps.push_back(oleDate); }
    double currentDate() override { return kNow; }

private:
    std::optional<std::string> chooseFile(const std::string& filter) {
        EXPECT_EQ(filter, kFileFilter);
        return next(fileAnswers, std::optional<std::string>{});
    }
    template <class T>
    static T next(std::deque<T>& queue, T unscripted) {
        if (queue.empty()) {
            ADD_FAILURE() << "a question or file dialog the test did not expect";
            return unscripted;
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

class ProjectCommandsTest : public FolderTest {
protected:
    void SetUp() override {
        FolderTest::SetUp();
        fs::create_directories(folder_ / "program");
        state.Paths.programFolder = (folder_ / "program").string();
    }
    void TearDown() override {
        EXPECT_TRUE(prompts.saveAnswers.empty() && prompts.fileAnswers.empty() &&
                    prompts.overwriteAnswers.empty())
            << "scripted answers left over";
        FolderTest::TearDown();
    }

    std::string defaultFile() const { return state.Paths.defaultProjectFile(); }

    // A project on disk with its own texts, lengths, growth, readings and stamp.
    std::string makeProject(const std::string& name, const std::string& machine, double stamp = kMarch2020) {
        ProjectRecord r;
        setDefaults(r);
        r.Machine = machine;
        r.length(1, 2) = 33;
        r.growth(0, 1) = 4.5f;
        r.Dial1Reading.fill(7);
        r.DateStamp = stamp;
        EXPECT_TRUE(writeProject(path(name), r));
        return path(name);
    }
    ProjectRecord onDisk(const std::string& file) {
        ProjectRecord r;
        EXPECT_TRUE(readProject(file, r)) << file;
        return r;
    }
    Recent settingsOnDisk() {
        Recent recent;
        EXPECT_TRUE(readSettings(state.Paths.settingsFile(), recent));
        return recent;
    }
    // A program that has started on `file`.
    void startOn(const std::string& file) {
        ASSERT_TRUE(writeSettings(state.Paths.settingsFile(), {file, "", "", "", ""}));
        commands.openProject(false);
        ASSERT_EQ(state.CurrentFile, file);
        ASSERT_TRUE(prompts.messages.empty());
    }
    // A program started on job.qdl (machine "job"), the machine renamed "edited" and not yet saved.
    std::string startOnEditedJob() {
        const std::string job = makeProject("job.qdl", "job");
        startOn(job);
        state.Project.Machine = "edited";
        state.Session.noteEdit(state.Project);
        return job;
    }

    AppState state;
    ScriptedPrompts prompts;
    ProjectCommands commands{state, prompts};
};

// An empty default project is what a start that could not finish writing it leaves: it is replaced too.
TEST_F(ProjectCommandsTest, FirstStartCreatesTheDefaultProjectOrKeepsAnExistingOne) {
    ProjectRecord expected;
    setDefaults(expected);
    expected.DateStamp = kNow;
    for (const bool emptyFile : {false, true}) {
        SCOPED_TRACE(emptyFile ? "an empty default project" : "no default project");
        if (emptyFile) std::ofstream(defaultFile(), std::ios::binary).close();
        commands.openProject(false);
        EXPECT_EQ(state.Project, expected);
        EXPECT_EQ(onDisk(defaultFile()), expected);
        EXPECT_EQ(prompts.menu, (Recent{defaultFile(), "", "", "", ""}));
        EXPECT_FALSE(state.Session.changed());
        fs::remove(state.Paths.settingsFile());
    }

    ProjectRecord job;
    job.Machine = "last week's pump";
    job.DateStamp = kMarch2020;
    ASSERT_TRUE(writeProject(defaultFile(), job));
    commands.openProject(false);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.Project, job);
    EXPECT_EQ(onDisk(defaultFile()), job);
}

// A project named on the command line (a double-click in a file manager) opens as Open would open
// it, in front of the list the program had; one that cannot be opened gives the default project.
TEST_F(ProjectCommandsTest, AProjectNamedAtStartOpensAndHeadsTheRecentList) {
    const std::string older = makeProject("older.qdl", "older");
    const std::string job = makeProject("job.qdl", "Pump P-101");
    fs::create_directory(path("sub"));
    const std::string relative = path("sub/../job.qdl"), gone = path("gone.qdl");
    const std::string missing = "File:  " + gone + "\ndoesnot exist. ";
    const struct {
        const char* name;
        std::string given;
        std::string opened;  // CurrentFile afterwards; the default project when the given one fails
        std::string machine;
        std::vector<std::string> messages;
        Recent recent;
    } cases[] = {
        {"an existing project", job, job, "Pump P-101", {}, {job, older, "", "", ""}},
        {"a relative name", "./sub/.//../job.qdl", relative, "Pump P-101", {}, {relative, older, "", "", ""}},
        {"a missing file", gone, defaultFile(), "", {missing}, {defaultFile(), gone, older, "", ""}},
    };
    const fs::path workingFolder = fs::current_path();
    fs::current_path(folder_);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeSettings(state.Paths.settingsFile(), {older, "", "", "", ""}));
        fs::remove(defaultFile());
        state = AppState{};
        state.Paths.programFolder = (folder_ / "program").string();
        prompts.messages.clear();

        commands.openProjectAtStart(c.given);
        EXPECT_EQ(state.CurrentFile, c.opened);
        EXPECT_EQ(state.Project.Machine, c.machine);
        EXPECT_EQ(prompts.messages, c.messages);
        EXPECT_EQ(settingsOnDisk(), c.recent);
        EXPECT_FALSE(state.Session.changed());
    }
    fs::current_path(workingFolder);
    EXPECT_EQ(onDisk(job).Machine, "Pump P-101") << "opening never writes the project";
}

TEST_F(ProjectCommandsTest, TheRecentListKeepsTheMostRecentFirst) {
    const Recent full{"1", "2", "3", "4", "5"};
    const struct {
        const char* name;
        Recent before;
        std::string opened;
        Recent after;
    } cases[] = {
        {"the top stays", full, "1", full},
        {"the last moves to the top", full, "5", {"5", "1", "2", "3", "4"}},
        {"a sixth drops the fifth", full, "6", {"6", "1", "2", "3", "4"}},
        {"case matters", {"/a.qdl", "", "", "", ""}, "/A.qdl", {"/A.qdl", "/a.qdl", "", "", ""}},
    };
    for (const auto& c : cases) {
        state.RecentFiles = c.before;
        state.CurrentFile = c.opened;
        commands.setupMRUlist();
        EXPECT_EQ(state.RecentFiles, c.after) << c.name;
        EXPECT_EQ(prompts.menu, c.after) << c.name;
        EXPECT_EQ(settingsOnDisk(), c.after) << c.name;
    }
}

// Opening never writes: a refreshed stamp stays in memory, so that a file opened by mistake is left
// exactly as it was; the stamp alone is no change of the job. A stamp outside the range is no project's
// (ForeignFilesOpenReadOnly).
TEST_F(ProjectCommandsTest, AnUnsetDateStampIsRefreshedInMemoryOnly) {
    // Never saved, and the nearest stamps kept inside each bound.
    const std::pair<double, bool> cases[] = {
        {0.0, false}, {1999.001, true}, {kJanuary2999 - 1.0 / 86400, true}};
    for (const auto& [stamp, kept] : cases) {
        const std::string file = makeProject("dated.qdl", "dated", stamp);
        const std::string before = readText(file);
        startOn(file);
        EXPECT_EQ(state.Project.DateStamp, kept ? stamp : kNow) << stamp;
        EXPECT_EQ(readText(file), before) << stamp;
        EXPECT_FALSE(state.Session.changed()) << stamp;
    }
}

// A text file opened by mistake shows what it holds read-only and is never written over: Save asks for
// a new name, and the new file is then an ordinary project.
TEST_F(ProjectCommandsTest, ForeignFilesOpenReadOnlyAndSaveAsksForANewName) {
    const std::string notes = path("notes.qdl");
    std::ofstream(notes, std::ios::binary) << std::string(2000, 'x');
    const std::string before = readText(notes);
    ASSERT_TRUE(writeSettings(state.Paths.settingsFile(), {notes, "", "", "", ""}));
    commands.openProject(false);
    EXPECT_EQ(prompts.messages,
              std::vector<std::string>{"This file does not look like a Corvane project:\n" + notes +
                                       "\n(its texts run past its end).\nIts values are shown "
                                       "read-only; Save asks for a new name."});
    EXPECT_TRUE(commands.readOnly());
    EXPECT_FALSE(state.Session.changed());
    EXPECT_TRUE(commands.exitProgram()) << "nothing to save: no prompt";

    prompts.fileAnswers = {std::nullopt};
    EXPECT_FALSE(commands.fileSave());
    EXPECT_EQ(readText(notes), before);
    prompts.fileAnswers = {path("rescued.qdl")};
    EXPECT_TRUE(commands.fileSave());
    EXPECT_EQ(readText(notes), before);
    EXPECT_EQ(state.CurrentFile, path("rescued.qdl"));
    EXPECT_FALSE(commands.readOnly());
}

// Two programs on one job: a save over a file that was saved elsewhere since asks first, and each
// answer does what it says.
TEST_F(ProjectCommandsTest, ASaveOverAFileChangedOnDiskAsksFirst) {
    const std::string job = startOnEditedJob();
    const auto savedElsewhere = [&](const std::string& machine) {
        ProjectRecord other = onDisk(state.CurrentFile);
        other.Machine = machine;
        ASSERT_TRUE(writeProject(state.CurrentFile, other));
    };
    savedElsewhere("the other window's work");
    prompts.overwriteAnswers = {OverwriteAnswer::Cancel};
    EXPECT_FALSE(commands.fileSave());
    EXPECT_EQ(prompts.questions, std::vector<std::string>{changedOnDiskQuestion(job)});
    EXPECT_EQ(onDisk(job).Machine, "the other window's work");
    EXPECT_TRUE(state.Session.changed());

    prompts.overwriteAnswers = {OverwriteAnswer::SaveAs};
    prompts.fileAnswers = {path("mine.qdl")};
    EXPECT_TRUE(commands.fileSave());
    EXPECT_EQ(onDisk(job).Machine, "the other window's work");
    EXPECT_EQ(onDisk(path("mine.qdl")).Machine, "edited");

    // Saved here: the next save of the same file asks nothing until another one writes it again.
    state.Project.Machine = "edited again";
    EXPECT_TRUE(commands.fileSave());
    savedElsewhere("the other window's second work");
    prompts.overwriteAnswers = {OverwriteAnswer::Overwrite};
    state.Project.Machine = "final";
    EXPECT_TRUE(commands.fileSave());
    EXPECT_EQ(onDisk(path("mine.qdl")).Machine, "final");
    EXPECT_EQ(prompts.questions.size(), 3u);
}

TEST_F(ProjectCommandsTest, SaveAsAsksAgainUntilTheNameEndsInTheProjectExtension) {
    const std::string job = startOnEditedJob();
    prompts.fileAnswers = {path("copy.qd"), path("copy"), path("COPY.QDL")};
    commands.fileSaveAs();
    EXPECT_EQ(prompts.messages, std::vector<std::string>(2, "Project must have '.qdl' extension."));
    EXPECT_EQ(state.CurrentFile, path("COPY.QDL"));
    EXPECT_EQ(onDisk(path("COPY.QDL")).Machine, "edited");
    EXPECT_EQ(onDisk(job).Machine, "job");
    EXPECT_FALSE(state.Session.changed());

    const std::pair<const char*, bool> names[] = {{"x.QdL", true},   {".qdl", true},   {"qdl", false},
                                                  {"a.qdlx", false}, {"a_qdl", false}, {"", false}};
    for (const auto& [name, ok] : names) EXPECT_EQ(hasProjectExtension(name), ok) << name;
}

// The edited job's file has become a folder: Save reports it and keeps the job marked unsaved; after Yes
// to the save prompt Open, New, a recent file and Exit all stop there (no file dialog is scripted). Save
// As into a missing folder keeps the old file as the project; New there keeps its fresh defaults in
// memory, offered for saving.
TEST_F(ProjectCommandsTest, AFailedSaveKeepsTheJobChangedAndStopsTheCommandThatAsked) {
    const std::string other = makeProject("other.qdl", "other");
    const std::string job = startOnEditedJob();
    fs::remove(job);
    fs::create_directory(job);
    EXPECT_FALSE(commands.fileSave());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].starts_with("Could not save the project to\n" + job + "\n"));
    EXPECT_EQ(state.Project.DateStamp, kMarch2020);
    EXPECT_TRUE(prompts.stamps.empty());

    prompts.saveAnswers.assign(4, SaveAnswer::Save);
    commands.fileOpen();
    commands.fileNew();
    commands.fileRecent(0);
    EXPECT_FALSE(commands.exitProgram());
    EXPECT_EQ(prompts.messages.size(), 5u);
    EXPECT_EQ(state.CurrentFile, job);
    EXPECT_EQ(state.Project.Machine, "edited");
    EXPECT_TRUE(state.Session.changed());
    EXPECT_EQ(onDisk(other).Machine, "other");

    const std::string target = path("missing-folder/copy.qdl");
    prompts.messages.clear();
    prompts.fileAnswers = {target};
    commands.fileSaveAs();
    EXPECT_TRUE(state.Session.changed());
    EXPECT_EQ(state.CurrentFile, job);
    EXPECT_EQ(settingsOnDisk(), (Recent{job, "", "", "", ""}));
    prompts.saveAnswers = {SaveAnswer::DontSave};
    prompts.fileAnswers = {target};
    commands.fileNew();
    ASSERT_EQ(prompts.messages.size(), 2u);
    for (const std::string& message : prompts.messages)
        EXPECT_TRUE(message.starts_with("Could not save the project to\n" + target + "\n")) << message;
    EXPECT_TRUE(state.Session.changed());
    EXPECT_EQ(state.Project.dial1(0, 1), 20.0f);
}

// New is a clean job: nothing of the previous one (its comments, growth, date) is carried into it. The
// next job on the same machine keeps what belongs to the machine and drops what belongs to the job; it
// waits unsaved under the name chosen when it is not to be written yet (a job from the history).
TEST_F(ProjectCommandsTest, NewStartsACleanJobAndTheNextJobKeepsTheMachine) {
    const std::string old = makeProject("old.qdl", "Fan F-7");
    startOn(old);
    state.Project.Technician = "Ann";
    state.Project.Comments = "As found. Motor 4 bolts";
    state.Project.Sag = 1.5f;
    state.Project.ReservedText = "CorvaneView=1;method=1\nCorvaneLedger=1;moved=4\nother program";
    state.Session.start(state.Project);  // as saved: no question before the next job
    const ProjectRecord before = state.Project;
    const std::string next = path("next.qdl");
    prompts.fileAnswers = {next};
    ASSERT_TRUE(commands.fileNewFrom(nextJobOf(state.Project), true));
    ProjectRecord expected = before;  // the machine, its lengths, growth and speed, and the technician
    expected.Dial1Reading = expected.Dial2Reading = {};
    expected.Sag = 0;
    expected.Comments = "";
    expected.ReservedText = "CorvaneView=1;method=1";
    expected.DateStamp = kNow;
    EXPECT_EQ(state.Project, expected);
    EXPECT_EQ(onDisk(next), expected);
    EXPECT_FALSE(state.Session.changed());

    const std::string fresh = path("fresh.qdl");
    prompts.fileAnswers = {fresh};
    commands.fileNew();
    expected = ProjectRecord{};
    setDefaults(expected);
    expected.DateStamp = kNow;
    EXPECT_EQ(state.Project, expected);
    EXPECT_EQ(onDisk(fresh), expected);
    EXPECT_EQ(state.CurrentFile, fresh);
    EXPECT_EQ(settingsOnDisk(), (Recent{fresh, next, old, "", ""}));
    EXPECT_FALSE(state.Session.changed());

    const std::string unsaved = path("from-history.qdl");
    prompts.fileAnswers = {unsaved};
    ASSERT_TRUE(commands.fileNewFrom(before, false));
    EXPECT_EQ(state.CurrentFile, unsaved);
    EXPECT_TRUE(state.Session.changed());
    EXPECT_FALSE(std::filesystem::exists(unsaved));
}

// Cancel stops the command that asked, in the save prompt before any dialog or in the file dialog
// after it: nothing is opened, created, saved or closed, and the job stays changed and its file as it was.
TEST_F(ProjectCommandsTest, CancelStopsEveryCommandWithNothingChanged) {
    const std::string other = makeProject("other.qdl", "other");
    const std::string job = startOnEditedJob();
    state.RecentFiles[1] = other;
    const ProjectRecord before = state.Project;
    const std::string bytesBefore = readText(job);
    prompts.saveAnswers.assign(4, SaveAnswer::Cancel);
    commands.fileNew();
    commands.fileOpen();
    commands.fileRecent(1);
    EXPECT_FALSE(commands.exitProgram());
    EXPECT_TRUE(prompts.saveAnswers.empty()) << "each command asked once";

    prompts.saveAnswers = {SaveAnswer::DontSave, SaveAnswer::DontSave};  // New and Open ask first
    prompts.fileAnswers = {std::nullopt, std::nullopt, std::nullopt};
    commands.fileNew();
    commands.fileOpen();
    commands.fileSaveAs();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.Project, before);
    EXPECT_EQ(state.CurrentFile, job);
    EXPECT_TRUE(state.Session.changed());
    EXPECT_EQ(readText(job), bytesBefore);

    prompts.saveAnswers = {SaveAnswer::DontSave};
    EXPECT_TRUE(commands.exitProgram());
    EXPECT_EQ(readText(job), bytesBefore);
}

TEST_F(ProjectCommandsTest, TheRecentListNeverStopsAProjectFromOpening) {
    // A path the settings' code page cannot hold, then a settings file that cannot be written at all:
    // the project opens each time and the list trouble is reported once.
    const std::string farEast = makeProject("日本.qdl", "far east");
    const std::string a = makeProject("a.qdl", "A");
    const std::string b = makeProject("b.qdl", "B");
    startOn(a);
    prompts.fileAnswers = {farEast};
    commands.fileOpen();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.CurrentFile, farEast);

    fs::remove(state.Paths.settingsFile());
    fs::create_directory(state.Paths.settingsFile());
    prompts.fileAnswers = {b, a};
    commands.fileOpen();
    commands.fileOpen();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].starts_with("Could not save the list of recent files to\n"));
    EXPECT_EQ(state.Project.Machine, "A");
    EXPECT_EQ(state.RecentFiles[0], a);
    EXPECT_EQ(state.RecentFiles[1], b);
}

// The question names the job's file, not its folder, so that it reads at a glance.
TEST(SavePrompt, NamesTheFileOfTheJob) {
    EXPECT_EQ(savePrompt("/srv/jobs/pump 12.qdl"), "Save the changes to pump 12.qdl?");
    EXPECT_EQ(savePrompt(""), kSavePrompt);
}

}  // namespace
}  // namespace corvane
