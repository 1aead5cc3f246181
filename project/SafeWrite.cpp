#include "project/SafeWrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <ctime>
#include <system_error>

#include "project/ProjectName.h"

namespace corvane {

namespace {

// A temporary file younger than this may belong to a save still running in another program.
constexpr time_t kLeftoverAgeSeconds = 60;

std::string reasonOf(int code) { return std::generic_category().message(code); }

bool fail(std::string* error, int code) {
    if (error) *error = reasonOf(code ? code : EIO);
    return false;
}

bool failWith(std::string* error, const std::string& text) {
    if (error) *error = text;
    return false;
}

std::string folderOfPath(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string nameOfPath(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isSharedStickyFolder(const struct stat& folder) {
    return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
}

// Closes a descriptor when it goes out of scope, unless it was handed on.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and says whether the close succeeded: on some file systems a failed write shows
    // only here.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool writeZeros(int fd, off_t count) {
    static const unsigned char zeros[65536] = {};
    while (count > 0) {
        const std::size_t n =
            count < static_cast<off_t>(sizeof zeros) ? static_cast<std::size_t>(count) : sizeof zeros;
        if (!writeAll(fd, zeros, n)) return false;
        count -= static_cast<off_t>(n);
    }
    return true;
}

mode_t defaultMode() {
    // A new file gets what any program would give it: read and write as the user's umask allows.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A terminal, /dev/null or a pipe: what is written goes to whoever reads it, so it is written as
// it is; renaming a file over it would replace the device itself. Opened without waiting, so a
// pipe nobody reads is reported instead of hanging the program.
bool writeDirectly(const std::string& target, const std::vector<unsigned char>& bytes, std::string* error) {
    Descriptor out(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (out.get() < 0) {
        if (errno == ENXIO) return failWith(error, "nothing is reading from the pipe " + target);
        return fail(error, errno);
    }
    const int flags = ::fcntl(out.get(), F_GETFL);
    if (flags >= 0) ::fcntl(out.get(), F_SETFL, flags & ~O_NONBLOCK);
    if (!writeAll(out.get(), bytes.data(), bytes.size())) return fail(error, errno);
    if (!out.close()) return fail(error, errno);
    return true;
}

// Temporary files of earlier saves of this file that a kill or a power cut left behind.
void removeLeftovers(const std::string& folder, const std::string& name) {
    const std::string prefix = "." + name + ".";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string entryName = entry->d_name;
        if (entryName.size() != prefix.size() + kTemporarySuffixLength || !entryName.starts_with(prefix))
            continue;
        const std::string path = folder + "/" + entryName;
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
            continue;
        if (now - info.st_mtime < kLeftoverAgeSeconds) continue;
        ::unlink(path.c_str());
    }
    ::closedir(dir);
}

}  // namespace

std::optional<std::string> followLinks(const std::string& path, std::string* error) {
    std::string current = path;
    // The same limit as the system's own lookup: a loop of links ends here.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        // The system's own rule for shared folders: there a link is followed only when it belongs to
        // the one following it or to the folder's owner, so that nobody can aim another user's
        // write at a file of their choice.
        const std::string folder = folderOfPath(current);
        struct stat folderInfo {};
        if (::stat(folder.c_str(), &folderInfo) == 0 && isSharedStickyFolder(folderInfo) &&
            info.st_uid != folderInfo.st_uid && info.st_uid != ::geteuid()) {
            failWith(error, "will not follow the link " + current +
                                ": another user made it in the shared folder " + folder);
            return std::nullopt;
        }
        char target[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), target, sizeof target - 1);
        if (n < 0) return current;
        target[n] = '\0';
        std::string next(target, static_cast<std::size_t>(n));
        if (next.empty() || next[0] != '/') next = folder + "/" + next;
        current = next;
    }
    fail(error, ELOOP);
    return std::nullopt;
}

bool safeSaveImpossible(const std::string& path) {
    const std::optional<std::string> target = followLinks(path);
    if (!target) return false;
    const std::string folder = folderOfPath(*target);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return errno == EACCES || errno == EROFS;
    struct stat fileInfo {
    }, folderInfo{};
    return ::geteuid() != 0 && ::stat(target->c_str(), &fileInfo) == 0 &&
           ::stat(folder.c_str(), &folderInfo) == 0 && (folderInfo.st_mode & S_ISVTX) &&
           fileInfo.st_uid != ::geteuid() && folderInfo.st_uid != ::geteuid();
}

bool writeFileSafely(const std::string& path, const std::vector<unsigned char>& bytes, OldTail tail,
                     std::string* error, WriteKind kind) {
    const std::optional<std::string> resolved = followLinks(path, error);
    if (!resolved) return false;
    const std::string& target = *resolved;
    // Through a link, a report could otherwise turn a job into a PDF.
    if (kind == WriteKind::NoProject && hasProjectExtension(target))
        return failWith(error, "will not write over the project file " + target);

    struct stat oldInfo {};
    const bool hasOld = ::lstat(target.c_str(), &oldInfo) == 0;
    if (!hasOld && errno != ENOENT) return fail(error, errno);
    if (hasOld && (S_ISCHR(oldInfo.st_mode) || S_ISFIFO(oldInfo.st_mode)))
        return writeDirectly(target, bytes, error);
    if (hasOld && S_ISDIR(oldInfo.st_mode)) return fail(error, EISDIR);
    if (hasOld && !S_ISREG(oldInfo.st_mode)) return failWith(error, target + " is not a regular file");

    Descriptor old(hasOld ? ::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) : -1);
    if (hasOld) {
        // A file that is there but cannot be read cannot be replaced without losing what we could
        // not see.
        if (old.get() < 0) return fail(error, errno);
        if (::fstat(old.get(), &oldInfo) != 0) return fail(error, errno);
        if (!S_ISREG(oldInfo.st_mode)) return failWith(error, target + " is not a regular file");
        // A file the user may not write stays protected, even where its folder would let us
        // replace it.
        if (::access(target.c_str(), W_OK) != 0) return fail(error, errno);
    }

    const std::string folder = folderOfPath(target);
    const std::string name = nameOfPath(target);
    if (hasOld && ::geteuid() != 0) {
        // In a shared folder only a file's owner may replace it; the new file would be made and then
        // could not be put in place.
        struct stat folderInfo {};
        if (::stat(folder.c_str(), &folderInfo) == 0 && (folderInfo.st_mode & S_ISVTX) &&
            oldInfo.st_uid != ::geteuid() && folderInfo.st_uid != ::geteuid())
            return failWith(error, "the folder " + folder +
                                       " lets only the owner of a file replace it, and " + name +
                                       " belongs to another user");
    }
    removeLeftovers(folder, name);

    std::string temporary = folder + "/." + name + ".XXXXXX";
    Descriptor out(::mkstemp(temporary.data()));
    if (out.get() < 0) {
        const int code = errno;
        if (code == EACCES || code == EPERM || code == EROFS)
            return failWith(error, "no new file may be made in the folder " + folder + " (" + reasonOf(code) +
                                       "), and a file is only ever replaced by a whole new one");
        return fail(error, code);
    }

    const auto abandon = [&](int code) {
        ::unlink(temporary.c_str());
        return fail(error, code);
    };
    if (!writeAll(out.get(), bytes.data(), bytes.size())) return abandon(errno);
    if (hasOld && tail == OldTail::Keep && oldInfo.st_size > static_cast<off_t>(bytes.size())) {
        if (!writeZeros(out.get(), oldInfo.st_size - static_cast<off_t>(bytes.size()))) return abandon(errno);
    }
    if (hasOld && kind != WriteKind::Private &&
        (oldInfo.st_uid != ::geteuid() || oldInfo.st_gid != ::getegid())) {
        // The superuser gives the file back to its owner; a member of the file's group keeps it in
        // that group, so that the others sharing it can still save it. Otherwise it becomes ours,
        // as any editor's save would make it.
        if (::fchown(out.get(), oldInfo.st_uid, oldInfo.st_gid) != 0) {
            [[maybe_unused]] const int ignored = ::fchown(out.get(), static_cast<uid_t>(-1), oldInfo.st_gid);
        }
    }
    // After the owner: a change of owner clears the set-id bits.
    mode_t mode = hasOld ? (oldInfo.st_mode & 07777) : defaultMode();
    if (kind == WriteKind::Private) mode = 0600;
    if (::fchmod(out.get(), mode) != 0) return abandon(errno);
    if (::fsync(out.get()) != 0) return abandon(errno);
    if (!out.close()) return abandon(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return abandon(errno);

    // The rename itself reaches the disk with the folder's entry; a failure here leaves a complete
    // file either way, so it is not reported.
    Descriptor folderHandle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderHandle.get() >= 0) ::fsync(folderHandle.get());
    return true;
}

}  // namespace corvane
