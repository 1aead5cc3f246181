#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/ProjectRecord.h"

namespace corvane {

// A recovery copy: the unsaved state of a job, kept beside the user's data while the program runs
// so that a crash or a power cut does not take the work with it. It names the project file the
// job belongs to (which may be out of date or missing) and holds the whole record as a project
// file would.
struct RecoveryCopy {
    std::string copyFile;     // where the copy itself lies
    std::string projectFile;  // the project it belongs to
    ProjectRecord record;
};

// The bytes of a recovery copy: a header line, the project path with its length, then the record
// in the project file's layout.
std::vector<unsigned char> encodeRecovery(const std::string& projectFile, const ProjectRecord& record);
// Nullopt when the bytes are not a recovery copy (another file, or one cut short by a crash).
std::optional<RecoveryCopy> decodeRecovery(const std::vector<unsigned char>& bytes);

// Writes a copy safely (a complete new file or none). False with the reason in `error`.
bool writeRecovery(const std::string& copyFile, const std::string& projectFile, const ProjectRecord& record,
                   std::string* error = nullptr);
// Every readable copy in `folder` (files ending in ".recovery"), newest first.
std::vector<RecoveryCopy> findRecoveryCopies(const std::string& folder);

inline constexpr const char* kRecoverySuffix = ".recovery";

// "Corvane closed without saving <file>. Restore the unsaved changes?"
std::string restorePrompt(const std::string& projectFile);

}  // namespace corvane
