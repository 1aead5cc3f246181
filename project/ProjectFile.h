#pragma once

#include <array>
#include <string>
#include <vector>

#include "project/AppState.h"
#include "project/Cp1252.h"
#include "project/ProjectRecord.h"

namespace corvane {

// Byte layout of the .qdl project file and the Corvane.ini settings file: little-endian,
// no padding, each text a 16-bit byte count followed by Windows-1252 bytes.

// Serialises the record exactly as the file holds it (330 bytes plus the six texts).
std::vector<unsigned char> encodeProject(const ProjectRecord& record);
// Reads a record from any bytes. Fields past the end of the data keep 0 or empty;
// a text whose count runs past the end takes the bytes that are there.
ProjectRecord decodeProject(const unsigned char* data, std::size_t size);

// A name Windows-1252 can hold is stored in it, as always; any other (Cyrillic, CJK) as its own
// UTF-8 bytes, which read back as they were written.
std::vector<unsigned char> encodeSettings(const std::array<std::string, kRecentFileCount>& recent);
std::array<std::string, kRecentFileCount> decodeSettings(const unsigned char* data, std::size_t size);

// Why these bytes cannot be a project of this program (a text file, a picture, a file of another
// program), or empty when they can be: every text's count within the file, the readings and lengths
// finite numbers a dial or a rule could give, the stationary feet and the material among their
// choices, the date stamp 0 or a date the program could have written. A project cut short fails
// too: what it lost cannot be vouched for.
std::string implausibleProject(const unsigned char* data, std::size_t size);

inline constexpr const char* kForeignFileWarning = "This file does not look like a Corvane project";

// File operations. Writing opens for read/write at offset 0 and never shortens the file.
// Each returns false (with a reason in `error` when given) when the file cannot be used.
bool writeProject(const std::string& path, const ProjectRecord& record, std::string* error = nullptr);
// `implausible`, when given, receives implausibleProject() of what was read: the values are still
// read, to be looked at, but such a file must not be written over as if it were a project.
bool readProject(const std::string& path, ProjectRecord& record, std::string* error = nullptr,
                 std::string* implausible = nullptr);
bool writeSettings(const std::string& path, const std::array<std::string, kRecentFileCount>& recent,
                   std::string* error = nullptr);
// A missing settings file reads as five empty entries (and is not made here).
bool readSettings(const std::string& path, std::array<std::string, kRecentFileCount>& recent,
                  std::string* error = nullptr);

}  // namespace corvane
