#include "case/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace vitalis {
namespace {

FileIdentity IdentityFromStat(const struct stat& st) {
    FileIdentity id;
    id.device = static_cast<uint64_t>(st.st_dev);
    id.inode = static_cast<uint64_t>(st.st_ino);
    id.size = static_cast<uint64_t>(st.st_size);
    id.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    id.changedNs = static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return id;
}

}  // namespace

FilePin& FilePin::operator=(FilePin&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

FilePin::~FilePin() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return IdentityFromStat(st);
}

std::optional<FileContent> ReadWholeFile(const std::string& path) {
    if (path.empty()) return {};
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    FileContent content;
    content.pin = FilePin(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<uint64_t>(st.st_size) > kMaxProfileFileBytes) {
        return {};
    }
    content.identity = IdentityFromStat(st);
    content.bytes.resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < content.bytes.size()) {
        const ssize_t n = ::pread(fd, content.bytes.data() + done, content.bytes.size() - done,
                                  static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the file shrank while we read: keep what is there
        done += static_cast<size_t>(n);
    }
    content.bytes.resize(done);
    return content;
}

std::optional<FileIdentity> IdentityOfOpenFile(int fd) {
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0) return {};
    return IdentityFromStat(st);
}

bool FileExists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateEmptyFileIfMissing(const std::string& path) {
    if (path.empty()) return false;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool CreateFolders(const std::string& folder) {
    if (folder.empty()) return true;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return IsDirectory(folder);
}

std::string ParentFolder(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace vitalis
