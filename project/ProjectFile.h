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

std::vector<unsigned char> encodeSettings(const std::array<std::string, kRecentFileCount>& recent);
std::array<std::string, kRecentFileCount> decodeSettings(const unsigned char* data, std::size_t size);

// File operations. Writing opens for read/write at offset 0 and never shortens the file.
// Each returns false (with a reason in `error` when given) when the file cannot be used.
bool writeProject(const std::string& path, const ProjectRecord& record, std::string* error = nullptr);
bool readProject(const std::string& path, ProjectRecord& record, std::string* error = nullptr);
bool writeSettings(const std::string& path, const std::array<std::string, kRecentFileCount>& recent,
                   std::string* error = nullptr);
// A missing settings file is created empty and reads as five empty entries.
bool readSettings(const std::string& path, std::array<std::string, kRecentFileCount>& recent,
                  std::string* error = nullptr);

}  // namespace corvane
