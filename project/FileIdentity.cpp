#include "project/FileIdentity.h"

#include <sys/stat.h>

namespace corvane {

FileIdentity identifyFile(const std::string& path) {
    FileIdentity id;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return id;
    id.exists = true;
    id.regularFile = S_ISREG(info.st_mode);
    id.device = static_cast<std::uint64_t>(info.st_dev);
    id.inode = static_cast<std::uint64_t>(info.st_ino);
    id.size = static_cast<std::int64_t>(info.st_size);
    id.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return id;
}

}  // namespace corvane
