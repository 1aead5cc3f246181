#pragma once

#include <string>
#include <vector>

namespace corvane {

// How a safe write treats an existing file that is longer than the new content.
enum class OldTail {
    Keep,     // the old bytes after the new content stay: the file never gets shorter
    Discard,  // the file holds exactly the new content
};

// Replaces the file at `path` as one step: a complete new file is written beside it, flushed and
// synced to the disk, then renamed over the old one, so that a full disk, a lost power supply or a
// crash leaves either the old file exactly as it was or the new one whole - never a mix. The old
// file's permission bits (and, where allowed, owner) are kept; a symbolic link is written through
// to the file it names and stays a link. Returns false with the reason in `error` (when given);
// the old file is then untouched and no temporary file is left behind.
bool writeFileSafely(const std::string& path, const std::vector<unsigned char>& bytes, OldTail tail,
                     std::string* error = nullptr);

// The file a path finally names once every symbolic link along it is followed (the path itself
// when it is no link). A dangling link gives the path it points at.
std::string resolveLinks(const std::string& path);

}  // namespace corvane
