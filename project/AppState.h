#pragma once

#include <array>
#include <string>

#include "project/JobSession.h"
#include "project/ProjectRecord.h"

namespace corvane {

// Where the program keeps its settings file and default project. Chosen once at start
// (the executable's folder when writable, else the per-user data folder); tests hand in a
// temporary folder. Always ends without a separator.
struct AppPaths {
    std::string programFolder;
    // Where recovery copies of unsaved jobs are kept: the user's data folder. Empty: a
    // "recovery" folder inside the program folder (tests).
    std::string recoveryFolder;
    // The user's own preferences (the unit system), apart from Corvane.ini, whose layout is fixed,
    // and from the projects: the user's settings of the desktop. Empty: "Preferences.ini" inside
    // the program folder (tests).
    std::string preferencesFile;

    std::string settingsFile() const;        // programFolder + "/Corvane.ini"
    std::string defaultProjectFile() const;  // programFolder + "/Corvane.qdl"
    std::string recoveryCopies() const;
    std::string preferences() const;
};

constexpr int kRecentFileCount = 5;

// The whole run-time state of one program: the open project and what is not stored in it.
// Created once in main and handed by reference to every window.
struct AppState {
    ProjectRecord Project;
    int CalcMethod = 0;
    std::string CurrentFile;
    // The job's undo history and whether it differs from what was last opened or saved: windows
    // report their edits to it, nobody sets "changed" by hand.
    JobSession Session;
    int EngUnits = 0;  // 0 "English", 1 "Metric": the unit values are shown and typed in
    std::array<std::string, kRecentFileCount> RecentFiles;
    float Tolerance = 0;  // acceptable offset, mils
    std::array<std::string, kLengthCount> LengthLabel{"A", "B", "C", "D", "E"};
    AppPaths Paths;
};

}  // namespace corvane
