#pragma once

#include <string>

namespace corvane {

// ".qdl" on the last four characters, ignoring case: the name of a project file, which the program
// opens as a job and which nothing else may write over.
inline bool hasProjectExtension(const std::string& fileName) {
    if (fileName.size() < 4) return false;
    std::string tail = fileName.substr(fileName.size() - 4);
    for (char& c : tail) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return tail == ".qdl";
}

}  // namespace corvane
