#include "case/posix/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vitalis {
namespace {

FileStatus StatusFromStat(const struct stat& st) {
    FileStatus status;
    FileIdentity& id = status.identity;
    id.device = static_cast<uint64_t>(st.st_dev);
    id.inode = static_cast<uint64_t>(st.st_ino);
    id.size = static_cast<uint64_t>(st.st_size);
    id.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    id.changedNs = static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    status.regular = S_ISREG(st.st_mode);
    status.directory = S_ISDIR(st.st_mode);
    return status;
}

}  // namespace

const FileSystem& SystemFileSystem() {
    static const PosixFileSystem system;
    return system;
}

std::optional<FileStatus> PosixFileSystem::StatusOf(const std::string& path) const {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return {};
    return StatusFromStat(st);
}

std::optional<FileStatus> PosixFileSystem::StatusOfOpen(int handle) const {
    struct stat st;
    if (handle < 0 || ::fstat(handle, &st) != 0) return {};
    return StatusFromStat(st);
}

int PosixFileSystem::OpenForReading(const std::string& path) const {
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

int PosixFileSystem::OpenCreating(const std::string& path) const {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
}

std::optional<size_t> PosixFileSystem::ReadAt(int handle, char* into, size_t count,
                                              uint64_t offset) const {
    for (;;) {
        const ssize_t n = ::pread(handle, into, count, static_cast<off_t>(offset));
        if (n >= 0) return static_cast<size_t>(n);
        if (errno != EINTR) return {};
    }
}

void PosixFileSystem::Close(int handle) const {
    if (handle >= 0) ::close(handle);
}

}  // namespace vitalis
