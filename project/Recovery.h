#pragma once

#include <cstdint>
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
    std::int64_t madeSeconds = 0;  // when the copy was last written, seconds since 1970
    bool projectNewer = false;     // the project file was saved after the copy was made
};

// The bytes of a recovery copy: a header line, the project path with its length, then the record
// in the project file's layout.
std::vector<unsigned char> encodeRecovery(const std::string& projectFile, const ProjectRecord& record);
// Nullopt when the bytes are not a recovery copy (another file, or one cut short by a crash).
std::optional<RecoveryCopy> decodeRecovery(const std::vector<unsigned char>& bytes);

// Writes a copy safely (a complete new file or none), readable by the user alone: it holds every
// text of the job. False with the reason in `error`.
bool writeRecovery(const std::string& copyFile, const std::string& projectFile, const ProjectRecord& record,
                   std::string* error = nullptr);
// Every readable copy in `folder` (files ending in ".recovery"), newest first.
std::vector<RecoveryCopy> findRecoveryCopies(const std::string& folder);

inline constexpr const char* kRecoverySuffix = ".recovery";

// "Corvane closed without saving <file>. Restore the unsaved changes?", then when the copy was made
// (`madeText`, when given) and, when the project file was saved after it, that restoring would put
// this older work in place of the newer file's.
std::string restorePrompt(const std::string& projectFile, const std::string& madeText = {},
                          bool projectNewer = false);

}  // namespace corvane
