#include "project/AppState.h"

namespace corvane {

std::string AppPaths::settingsFile() const { return programFolder + "/Corvane.ini"; }

std::string AppPaths::defaultProjectFile() const { return programFolder + "/Corvane.qdl"; }

std::string AppPaths::recoveryCopies() const {
    return recoveryFolder.empty() ? programFolder + "/recovery" : recoveryFolder;
}

std::string AppPaths::preferences() const {
    return preferencesFile.empty() ? programFolder + "/Preferences.ini" : preferencesFile;
}

}  // namespace corvane
