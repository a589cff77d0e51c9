#include "case/posix/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

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
    status.symbolicLink = S_ISLNK(st.st_mode);
    status.permissions = static_cast<unsigned>(st.st_mode & 07777);
    return status;
}

int ErrorOf(int result) {
    return result == 0 ? 0 : errno;
}

OpenedFile Opened(int handle) {
    return {handle, handle < 0 ? errno : 0};
}

// Errors of fsync that say the file system has no flush for the handle, not that one failed.
bool IsFlushUnsupported(int error) {
    return error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP;
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

std::optional<FileStatus> PosixFileSystem::LinkStatusOf(const std::string& path) const {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return {};
    return StatusFromStat(st);
}

std::optional<FileStatus> PosixFileSystem::StatusOfOpen(int handle) const {
    struct stat st;
    if (handle < 0 || ::fstat(handle, &st) != 0) return {};
    return StatusFromStat(st);
}

std::string PosixFileSystem::ResolvedPath(const std::string& path) const {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return {};
    return resolved;
}

int PosixFileSystem::CheckWritable(const std::string& path) const {
    return ErrorOf(::access(path.c_str(), W_OK));
}

OpenedFile PosixFileSystem::OpenForReading(const std::string& path) const {
    return Opened(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
}

int PosixFileSystem::OpenCreating(const std::string& path) const {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
}

OpenedFile PosixFileSystem::CreateNew(const std::string& path, unsigned permissions) const {
    return Opened(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC,
                         static_cast<mode_t>(permissions)));
}

std::optional<size_t> PosixFileSystem::ReadAt(int handle, char* into, size_t count,
                                              uint64_t offset) const {
    for (;;) {
        const ssize_t n = ::pread(handle, into, count, static_cast<off_t>(offset));
        if (n >= 0) return static_cast<size_t>(n);
        if (errno != EINTR) return {};
    }
}

int PosixFileSystem::WriteAll(int handle, std::string_view bytes) const {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(handle, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

int PosixFileSystem::SetPermissions(int handle, unsigned permissions) const {
    return ErrorOf(::fchmod(handle, static_cast<mode_t>(permissions)));
}

int PosixFileSystem::Flush(int handle) const {
    return ErrorOf(::fsync(handle));
}

void PosixFileSystem::Close(int handle) const {
    if (handle >= 0) ::close(handle);
}

// A folder this process may write to but not read cannot be opened, and some file systems
// (network and user-space ones) refuse fsync on a folder: in both there is nothing more to
// do, and failing the save for it would make such folders unusable.
int PosixFileSystem::FlushFolder(const std::string& folder) const {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno == EACCES ? 0 : errno;
    const int error = ErrorOf(::fsync(fd));
    ::close(fd);
    return IsFlushUnsupported(error) ? 0 : error;
}

int PosixFileSystem::Rename(const std::string& from, const std::string& to) const {
    return ErrorOf(::rename(from.c_str(), to.c_str()));
}

int PosixFileSystem::Remove(const std::string& path) const {
    return ErrorOf(::unlink(path.c_str()));
}

}  // namespace vitalis
