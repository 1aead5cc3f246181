#include "project/AppState.h"

namespace corvane {

std::string AppPaths::settingsFile() const { return programFolder + "/Corvane.ini"; }

std::string AppPaths::defaultProjectFile() const { return programFolder + "/Corvane.qdl"; }

std::string AppPaths::recoveryCopies() const {
    return recoveryFolder.empty() ? programFolder + "/recovery" : recoveryFolder;
}

}  // namespace corvane
