#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane {

// How a safe write treats an existing file that is longer than the new content.
enum class OldTail {
    Keep,     // the file keeps its length, the bytes after the new content become zeros: it never
              // gets shorter, and nothing deleted stays readable in it
    Discard,  // the file holds exactly the new content
};

// What the file being written is, beyond its bytes.
enum class WriteKind {
    Ordinary,   // a new file gets the permissions the user's umask gives; an old one keeps its own
    Private,    // readable by the user alone (0600), whatever was there before
    NoProject,  // an export: refused when the file finally named is a project (".qdl")
};

// Replaces the file at `path` as one step: a complete new file is written beside it, flushed and
// synced to the disk, then renamed over the old one, so that a full disk, a lost power supply or a
// crash leaves either the old file exactly as it was or the new one whole - never a mix. The old
// file's permission bits, group and (for the superuser) owner are kept; a symbolic link is
// written through to the file it names and stays a link, unless the system itself would refuse
// to follow it (a link planted by another user in a shared sticky folder such as /tmp). A
// character device or a pipe is written directly, never replaced; anything else that is no
// regular file is refused. Returns false with the reason in `error` (when given); the old file is
// then untouched and no temporary file is left behind.
bool writeFileSafely(const std::string& path, const std::vector<unsigned char>& bytes, OldTail tail,
                     std::string* error = nullptr, WriteKind kind = WriteKind::Ordinary);

// The file a path finally names once every symbolic link of its last part is followed (the path
// itself when it is no link; a dangling link gives the path it points at). Nullopt, with the reason
// in `error`, for a link the system would not follow: a loop, or a link in a sticky folder that
// everyone may write, owned neither by that folder's owner nor by this user.
std::optional<std::string> followLinks(const std::string& path, std::string* error = nullptr);

// Whether no safe write of `path` can succeed where it is: its folder takes no new file (read-only,
// or not ours), or it is another user's file in a shared sticky folder, where only its owner may
// replace it.
bool safeSaveImpossible(const std::string& path);

// The name under which a safe write of `path` keeps its new file until it is whole: ".NAME.XXXXXX"
// beside the file. Left-over ones (a program killed mid-save) go with the next save of that file.
inline constexpr int kTemporarySuffixLength = 6;

}  // namespace corvane
