#include "project/ProjectCommands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "project/ProjectFile.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

constexpr double kNow = 46000.5;           // the stand-in's clock
constexpr double kMarch1950 = 18337.0;     // 15-Mar-1950
constexpr double kMarch2020 = 43905.25;    // 15-Mar-2020 06:00
constexpr double kJanuary2999 = 401404.0;  // 01-Jan-2999 00:00

// Answers the questions of the file commands from a script and records what it was shown.
class ScriptedPrompts : public UserPrompts {
public:
    std::vector<std::string> messages;
    std::deque<bool> yesNoAnswers;
    int yesNoQuestions = 0;
    // Each file dialog takes the next answer; nullopt is Cancel.
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<std::string> dialogFolders;
    int refreshes = 0;
    std::array<std::string, kRecentFileCount> menu;
    std::vector<double> stamps;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text) override {
        EXPECT_EQ(text, kSavePrompt);
        ++yesNoQuestions;
        if (yesNoAnswers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> chooseOpenFile(const std::string& folder, const std::string& filter) override {
        return nextFile(folder, filter);
    }
    std::optional<std::string> chooseSaveFile(const std::string& folder, const std::string& filter) override {
        return nextFile(folder, filter);
    }
    void refreshAll() override { ++refreshes; }
    void recentFilesChanged(const std::array<std::string, kRecentFileCount>& captions) override {
        menu = captions;
    }
    void dateStampChanged(double oleDate) override { stamps.push_back(oleDate); }
    double currentDate() override { return kNow; }

private:
    std::optional<std::string> nextFile(const std::string& folder, const std::string& filter) {
        EXPECT_EQ(filter, kFileFilter);
        dialogFolders.push_back(folder);
        if (fileAnswers.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return std::nullopt;
        }
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
};

class ProjectCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("corvane-cmd-" + std::string(info->name()) + "-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_ / "program");
        state.Paths.programFolder = (folder_ / "program").string();
    }
    void TearDown() override {
        EXPECT_TRUE(prompts.yesNoAnswers.empty()) << "scripted answers left over";
        EXPECT_TRUE(prompts.fileAnswers.empty()) << "scripted file names left over";
        fs::remove_all(folder_);
    }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    std::string defaultFile() const { return state.Paths.defaultProjectFile(); }

    // A project on disk with its own texts, growth and stamp.
    std::string makeProject(const std::string& name, const std::string& machine, double stamp = kMarch2020) {
        ProjectRecord r;
        setDefaults(r);
        r.Machine = machine;
        r.Technician = "Ana";
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
    std::array<std::string, kRecentFileCount> settingsOnDisk() {
        std::array<std::string, kRecentFileCount> recent;
        EXPECT_TRUE(readSettings(state.Paths.settingsFile(), recent));
        return recent;
    }
    void setSettings(const std::array<std::string, kRecentFileCount>& recent) {
        ASSERT_TRUE(writeSettings(state.Paths.settingsFile(), recent));
    }
    // A program that has started on `file`.
    void startOn(const std::string& file) {
        setSettings({file, "", "", "", ""});
        commands.openProject(false);
        ASSERT_EQ(state.CurrentFile, file);
        ASSERT_TRUE(prompts.messages.empty());
    }

    fs::path folder_;
    AppState state;
    ScriptedPrompts prompts;
    ProjectCommands commands{state, prompts};
};

TEST_F(ProjectCommandsTest, FirstStartCreatesTheDefaultProject) {
    commands.openProject(false);

    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.CurrentFile, defaultFile());
    EXPECT_FALSE(state.Changed);
    ProjectRecord expected;
    setDefaults(expected);
    expected.DateStamp = kNow;
    EXPECT_EQ(state.Project, expected);
    EXPECT_EQ(onDisk(defaultFile()), expected);
    const std::array<std::string, kRecentFileCount> list{defaultFile(), "", "", "", ""};
    EXPECT_EQ(settingsOnDisk(), list);
    EXPECT_EQ(prompts.menu, list);
}

TEST_F(ProjectCommandsTest, FirstStartKeepsAnExistingDefaultProject) {
    fs::create_directories(folder_ / "program");
    ProjectRecord job;
    job.Machine = "last week's pump";
    job.dial1(0, 1) = 12.5f;
    job.DateStamp = kMarch2020;
    ASSERT_TRUE(writeProject(defaultFile(), job));

    commands.openProject(false);

    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.Project, job);
    EXPECT_EQ(onDisk(defaultFile()), job);
    EXPECT_EQ(state.CurrentFile, defaultFile());
}

TEST_F(ProjectCommandsTest, AProgramFolderWithoutRoomForTheDefaultProjectStillStarts) {
    fs::create_directory(defaultFile());  // the name is taken by a folder

    commands.openProject(false);

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind("Could not save the project to\n" + defaultFile() + "\n", 0), 0u);
    EXPECT_EQ(state.Project.dial1(0, 1), 20.0f);
    EXPECT_EQ(state.CurrentFile, defaultFile());
    EXPECT_TRUE(state.Changed) << "the defaults exist only in memory and must be offered for saving";
}

TEST_F(ProjectCommandsTest, AMissingOrUnusableRecentFileFallsBackToTheDefaultProject) {
    struct Case {
        const char* name;
        std::function<std::string()> make;
    };
    const Case cases[] = {
        {"deleted", [this] { return path("gone.qdl"); }},
        {"a folder by that name",
         [this] {
             fs::create_directory(path("folder.qdl"));
             return path("folder.qdl");
         }},
        {"no read permission",
         [this] {
             const std::string file = makeProject("locked.qdl", "locked");
             fs::permissions(file, fs::perms::none);
             return file;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string recent = c.make();
        if (std::string(c.name) == "no read permission" && std::ifstream(recent).good()) {
            continue;  // running with rights that ignore permissions
        }
        fs::remove(defaultFile());
        prompts.messages.clear();
        setSettings({recent, "", "", "", ""});

        commands.openProject(false);

        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0], "File:  " + recent + "\ndoesnot exist. ");
        EXPECT_EQ(state.CurrentFile, defaultFile());
        EXPECT_EQ(state.Project.dial1(0, 1), 20.0f);
        EXPECT_TRUE(fs::is_regular_file(defaultFile()));
        const std::array<std::string, kRecentFileCount> list{defaultFile(), recent, "", "", ""};
        EXPECT_EQ(settingsOnDisk(), list);
    }
}

TEST_F(ProjectCommandsTest, ChoosingADeletedRecentFileLoadsTheDefaultAndKeepsThePathSecond) {
    const std::string a = makeProject("a.qdl", "A");
    const std::string b = makeProject("b.qdl", "B");
    makeProject("program/Corvane.qdl", "the default");
    startOn(b);
    state.RecentFiles = {b, a, "", "", ""};
    fs::remove(a);

    commands.fileRecent(1);

    EXPECT_EQ(prompts.messages, std::vector<std::string>{"File:  " + a + "\ndoesnot exist. "});
    EXPECT_EQ(state.Project.Machine, "the default");
    EXPECT_EQ(state.CurrentFile, defaultFile());
    const std::array<std::string, kRecentFileCount> list{defaultFile(), a, b, "", ""};
    EXPECT_EQ(state.RecentFiles, list);
    EXPECT_EQ(settingsOnDisk(), list);
    EXPECT_EQ(prompts.refreshes, 1);
}

TEST_F(ProjectCommandsTest, TheRecentListKeepsTheMostRecentFirst) {
    using List = std::array<std::string, kRecentFileCount>;
    struct Case {
        const char* name;
        List before;
        std::string opened;
        List after;
    };
    const Case cases[] = {
        {"the third moves to the top", {"1", "2", "3", "4", "5"}, "3", {"3", "1", "2", "4", "5"}},
        {"the top stays", {"1", "2", "3", "4", "5"}, "1", {"1", "2", "3", "4", "5"}},
        {"the last moves to the top", {"1", "2", "3", "4", "5"}, "5", {"5", "1", "2", "3", "4"}},
        {"a sixth drops the fifth", {"1", "2", "3", "4", "5"}, "6", {"6", "1", "2", "3", "4"}},
        {"a new file fills a free slot", {"1", "2", "", "", ""}, "6", {"6", "1", "2", "", ""}},
        {"names differing in case are distinct",
         {"/a.qdl", "", "", "", ""},
         "/A.qdl",
         {"/A.qdl", "/a.qdl", "", "", ""}},
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

TEST_F(ProjectCommandsTest, AnImplausibleDateStampIsRefreshedAndWrittenBack) {
    struct Case {
        double stamp;
        bool kept;
    };
    const Case cases[] = {
        {kMarch1950, true},
        {1999.0, false},
        {1999.001, true},
        {0.0, false},
        {-5.0, false},
        {kJanuary2999, false},
        {kJanuary2999 - 1.0 / 86400, true},
        {std::nan(""), false},
    };
    for (const auto& c : cases) {
        const std::string file = makeProject("dated.qdl", "dated", c.stamp);
        startOn(file);
        const double expected = c.kept ? c.stamp : kNow;
        EXPECT_EQ(state.Project.DateStamp, expected) << c.stamp;
        EXPECT_EQ(onDisk(file).DateStamp, expected) << c.stamp;
        EXPECT_FALSE(state.Changed);
    }
}

TEST_F(ProjectCommandsTest, NewKeepsTextsGrowthAndStampButResetsTheReadings) {
    const std::string old = makeProject("old.qdl", "Fan F-7");
    startOn(old);
    const std::string fresh = path("fresh.qdl");
    prompts.fileAnswers.push_back(fresh);

    commands.fileNew();

    ProjectRecord expected = onDisk(old);
    setDefaults(expected);
    EXPECT_EQ(state.Project, expected);
    EXPECT_EQ(state.Project.Machine, "Fan F-7");
    EXPECT_EQ(state.Project.growth(0, 1), 4.5f);
    EXPECT_EQ(state.Project.length(1, 2), 33.0f);
    EXPECT_EQ(state.Project.DateStamp, kMarch2020);
    EXPECT_EQ(state.Project.dial1(0, 1), 20.0f);
    EXPECT_EQ(onDisk(fresh), expected);
    EXPECT_EQ(state.CurrentFile, fresh);
    EXPECT_EQ(settingsOnDisk()[0], fresh);
    EXPECT_EQ(settingsOnDisk()[1], old);
    EXPECT_FALSE(state.Changed);
    EXPECT_EQ(prompts.refreshes, 1);
}

TEST_F(ProjectCommandsTest, NewRefusesAWrongExtensionAndAsksAgain) {
    const std::string old = makeProject("old.qdl", "old");
    startOn(old);
    state.Changed = true;
    prompts.yesNoAnswers = {false, false};  // asked again while the project is still changed
    prompts.fileAnswers = {path("fresh.txt"), path("fresh.qdl")};

    commands.fileNew();

    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Project must have '.qdl' extension."});
    EXPECT_EQ(prompts.yesNoQuestions, 2);
    EXPECT_EQ(state.CurrentFile, path("fresh.qdl"));
    EXPECT_FALSE(fs::exists(path("fresh.txt")));
    EXPECT_EQ(onDisk(old).Machine, "old");
}

TEST_F(ProjectCommandsTest, SaveAsTakesTheExtensionInAnyCase) {
    const std::string old = makeProject("old.qdl", "old");
    startOn(old);
    state.Project.Machine = "edited";
    state.Changed = true;
    prompts.fileAnswers = {path("copy.qd"), path("copy"), path("COPY.QDL")};

    commands.fileSaveAs();

    EXPECT_EQ(prompts.messages, std::vector<std::string>(2, "Project must have '.qdl' extension."));
    EXPECT_EQ(state.CurrentFile, path("COPY.QDL"));
    EXPECT_EQ(onDisk(path("COPY.QDL")).Machine, "edited");
    EXPECT_EQ(onDisk(path("COPY.QDL")).DateStamp, kNow);
    EXPECT_EQ(onDisk(old).Machine, "old");
    EXPECT_FALSE(state.Changed);
    EXPECT_EQ(prompts.stamps, std::vector<double>{kNow});
    EXPECT_EQ(settingsOnDisk()[0], path("COPY.QDL"));
    EXPECT_EQ(prompts.refreshes, 0);
}

TEST(ProjectExtension, IsTheLastFourCharactersIgnoringCase) {
    const std::pair<const char*, bool> cases[] = {
        {"a.qdl", true}, {"A.QDL", true}, {"x.QdL", true},   {".qdl", true},   {"a.qd", false},
        {"a", false},    {"qdl", false},  {"a.qdlx", false}, {"a_qdl", false}, {"", false},
    };
    for (const auto& [name, ok] : cases) EXPECT_EQ(hasProjectExtension(name), ok) << name;
}

TEST_F(ProjectCommandsTest, AFailedSaveIsReportedAndTheProjectStaysChanged) {
    const std::string job = makeProject("job.qdl", "job");
    startOn(job);
    state.Project.Machine = "edited";
    state.Changed = true;
    fs::remove(job);
    fs::create_directory(job);  // the file cannot be written any more

    EXPECT_FALSE(commands.fileSave());

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind("Could not save the project to\n" + job + "\n", 0), 0u)
        << prompts.messages[0];
    EXPECT_TRUE(state.Changed);
    EXPECT_EQ(state.Project.DateStamp, kMarch2020);
    EXPECT_TRUE(prompts.stamps.empty());
}

TEST_F(ProjectCommandsTest, ASaveThatFailsAtThePromptStopsTheCommandThatAsked) {
    const std::string job = makeProject("job.qdl", "job");
    const std::string other = makeProject("other.qdl", "other");
    startOn(job);
    fs::remove(job);
    fs::create_directory(job);  // the open job can no longer be saved
    state.Project.Machine = "edited";
    state.Changed = true;

    // Yes to the prompt, the save fails: Open, New, a recent file and Exit all stop there, so the
    // edited job is still in memory and still marked unsaved.
    prompts.yesNoAnswers = {true, true, true, true};
    commands.fileOpen();
    commands.fileNew();
    commands.fileRecent(0);
    EXPECT_FALSE(commands.exitProgram());

    EXPECT_EQ(prompts.dialogFolders.size(), 0u) << "no file dialog after a failed save";
    EXPECT_EQ(prompts.messages.size(), 4u);
    EXPECT_EQ(state.CurrentFile, job);
    EXPECT_EQ(state.Project.Machine, "edited");
    EXPECT_TRUE(state.Changed);
    EXPECT_EQ(onDisk(other).Machine, "other");
}

TEST_F(ProjectCommandsTest, AFailedSaveAsKeepsTheOldFileAsTheProject) {
    const std::string job = makeProject("job.qdl", "job");
    startOn(job);
    state.Changed = true;
    const std::string target = path("missing-folder/copy.qdl");
    prompts.fileAnswers = {target};

    commands.fileSaveAs();

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind("Could not save the project to\n" + target + "\n", 0), 0u);
    EXPECT_TRUE(state.Changed);
    EXPECT_EQ(state.CurrentFile, job);
    EXPECT_EQ(settingsOnDisk()[0], job);
    EXPECT_EQ(settingsOnDisk()[1], "");
}

TEST_F(ProjectCommandsTest, ANewProjectThatCannotBeWrittenIsReportedAndOfferedForSaving) {
    startOn(makeProject("job.qdl", "job"));
    const std::string target = path("missing-folder/new.qdl");
    prompts.fileAnswers = {target};

    commands.fileNew();

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind("Could not save the project to\n" + target + "\n", 0), 0u);
    EXPECT_TRUE(state.Changed);
    EXPECT_EQ(state.Project.dial1(0, 1), 20.0f);
}

TEST_F(ProjectCommandsTest, CancellingADialogEndsTheCommandQuietly) {
    const std::string job = makeProject("job.qdl", "job");
    startOn(job);
    state.Project.Machine = "edited";
    state.Changed = true;
    const ProjectRecord before = state.Project;
    prompts.yesNoAnswers = {false, false};  // New and Open ask first
    prompts.fileAnswers = {std::nullopt, std::nullopt, std::nullopt};

    commands.fileNew();
    commands.fileOpen();
    commands.fileSaveAs();

    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.Project, before);
    EXPECT_EQ(state.CurrentFile, job);
    EXPECT_TRUE(state.Changed);
    EXPECT_EQ(prompts.refreshes, 0);
}

TEST_F(ProjectCommandsTest, TheSavePromptSavesOnYesOnly) {
    const std::string job = makeProject("job.qdl", "job");
    startOn(job);

    commands.exitProgram();  // unchanged: no question
    EXPECT_EQ(prompts.yesNoQuestions, 0);

    state.Project.Machine = "edited";
    state.Changed = true;
    prompts.yesNoAnswers = {false};
    commands.exitProgram();
    EXPECT_EQ(onDisk(job).Machine, "job");
    EXPECT_TRUE(state.Changed);

    prompts.yesNoAnswers = {true};
    commands.exitProgram();
    EXPECT_EQ(onDisk(job).Machine, "edited");
    EXPECT_EQ(onDisk(job).DateStamp, kNow);
    EXPECT_FALSE(state.Changed);
}

TEST_F(ProjectCommandsTest, FolderOfIsThePathUpToTheLastSlash) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/tech/jobs/a.qdl", "/home/tech/jobs/"},
        {"/a.qdl", "/"},
        {"a.qdl", ""},
        {"", ""},
        {"/jobs/", "/jobs/"},
        {"/jobs/odd\\name.qdl", "/jobs/"},
    };
    for (const auto& [file, folder] : cases) {
        state.CurrentFile = file;
        EXPECT_EQ(commands.folderOf(), folder) << file;
    }
}

TEST_F(ProjectCommandsTest, AFileWhosePathTheSettingsCodePageCannotHoldStillOpens) {
    const std::string job = makeProject("日本.qdl", "far east");
    startOn(makeProject("job.qdl", "job"));
    prompts.fileAnswers = {job};

    commands.fileOpen();

    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.Project.Machine, "far east");
    EXPECT_EQ(state.CurrentFile, job);
}

TEST_F(ProjectCommandsTest, AnUnwritableSettingsFileIsReportedOnceAndOpeningStillWorks) {
    const std::string a = makeProject("a.qdl", "A");
    const std::string b = makeProject("b.qdl", "B");
    startOn(a);
    fs::remove(state.Paths.settingsFile());
    fs::create_directory(state.Paths.settingsFile());  // cannot be written any more

    prompts.fileAnswers = {b, a};
    commands.fileOpen();
    commands.fileOpen();

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind("Could not save the list of recent files to\n", 0), 0u);
    EXPECT_EQ(state.Project.Machine, "A");
    EXPECT_EQ(state.RecentFiles[0], a);
    EXPECT_EQ(state.RecentFiles[1], b);
}

}  // namespace
}  // namespace corvane
