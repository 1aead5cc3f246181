#include "project/SafeWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <system_error>

namespace corvane {

namespace {

std::string reasonOf(int code) { return std::generic_category().message(code); }

bool fail(std::string* error, int code) {
    if (error) *error = reasonOf(code ? code : EIO);
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

// Copies what `from` holds after `offset` to the end of `to`.
bool copyTail(int from, off_t offset, int to) {
    if (::lseek(from, offset, SEEK_SET) < 0) return false;
    unsigned char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        if (!writeAll(to, buffer, static_cast<std::size_t>(n))) return false;
    }
}

mode_t defaultMode() {
    // A new file gets what any program would give it: read and write as the user's umask allows.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string resolveLinks(const std::string& path) {
    std::string current = path;
    // The same limit as the system's own lookup: a loop of links ends here.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), target, sizeof target - 1);
        if (n < 0) return current;
        target[n] = '\0';
        std::string next(target, static_cast<std::size_t>(n));
        if (next.empty() || next[0] != '/') next = folderOfPath(current) + "/" + next;
        current = next;
    }
    return current;
}

bool writeFileSafely(const std::string& path, const std::vector<unsigned char>& bytes, OldTail tail,
                     std::string* error) {
    const std::string target = resolveLinks(path);

    Descriptor old(::open(target.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat oldInfo {};
    const bool hasOld = old.get() >= 0;
    if (!hasOld && errno != ENOENT) {
        // A file that is there but cannot be read cannot be replaced without losing what we
        // could not see; a missing folder is reported as such.
        if (errno != EACCES) return fail(error, errno);
        if (::access(target.c_str(), F_OK) != 0) return fail(error, errno);
        return fail(error, EACCES);
    }
    if (hasOld) {
        if (::fstat(old.get(), &oldInfo) != 0) return fail(error, errno);
        if (S_ISDIR(oldInfo.st_mode)) return fail(error, EISDIR);
        // A file the user may not write stays protected, even where its folder would let us
        // replace it.
        if (::access(target.c_str(), W_OK) != 0) return fail(error, errno);
    }

    std::string temporary = folderOfPath(target) + "/." + nameOfPath(target) + ".XXXXXX";
    Descriptor out(::mkstemp(temporary.data()));
    if (out.get() < 0) return fail(error, errno);

    const auto abandon = [&](int code) {
        ::unlink(temporary.c_str());
        return fail(error, code);
    };
    if (!writeAll(out.get(), bytes.data(), bytes.size())) return abandon(errno);
    if (hasOld && tail == OldTail::Keep && oldInfo.st_size > static_cast<off_t>(bytes.size())) {
        if (!copyTail(old.get(), static_cast<off_t>(bytes.size()), out.get())) return abandon(errno);
    }
    const mode_t mode = hasOld ? (oldInfo.st_mode & 07777) : defaultMode();
    if (::fchmod(out.get(), mode) != 0) return abandon(errno);
    if (hasOld && (oldInfo.st_uid != ::geteuid() || oldInfo.st_gid != ::getegid())) {
        // Only a privileged user may give the file back to its owner; otherwise it becomes ours,
        // as any editor's save would make it.
        [[maybe_unused]] const int ignored = ::fchown(out.get(), oldInfo.st_uid, oldInfo.st_gid);
    }
    if (::fsync(out.get()) != 0) return abandon(errno);
    if (!out.close()) return abandon(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return abandon(errno);

    // The rename itself reaches the disk with the folder's entry; a failure here leaves a complete
    // file either way, so it is not reported.
    Descriptor folder(::open(folderOfPath(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) ::fsync(folder.get());
    return true;
}

}  // namespace corvane
