#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// Which file a path named, and in what state, when a job was opened or saved: another program
// saving it (or a second Corvane window on the same job) changes this, so a save that would wipe
// that work can ask first.
struct FileIdentity {
    bool exists = false;
    bool regularFile = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;  // modification time, nanoseconds since 1970

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file `path` finally names (links followed); `exists` false when there is none.
FileIdentity identifyFile(const std::string& path);

}  // namespace corvane
