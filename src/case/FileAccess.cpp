#include "case/FileAccess.h"

#include <filesystem>

namespace vitalis {
namespace {

std::optional<FileStatus> StatusOf(const std::string& path) {
    if (path.empty()) return {};
    return SystemFileSystem().StatusOf(path);
}

}  // namespace

FilePin& FilePin::operator=(FilePin&& other) noexcept {
    if (this != &other) {
        (files_ ? *files_ : SystemFileSystem()).Close(fd_);
        fd_ = other.fd_;
        files_ = other.files_;
        other.fd_ = -1;
    }
    return *this;
}

FilePin::~FilePin() {
    (files_ ? *files_ : SystemFileSystem()).Close(fd_);
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    const std::optional<FileStatus> status = StatusOf(path);
    if (!status || !status->regular) return {};
    return status->identity;
}

std::optional<FileContent> ReadWholeFile(const std::string& path) {
    if (path.empty()) return {};
    const FileSystem& files = SystemFileSystem();
    const int fd = files.OpenForReading(path).handle;
    if (fd < 0) return {};
    FileContent content;
    content.pin = FilePin(fd);
    const std::optional<FileStatus> status = files.StatusOfOpen(fd);
    if (!status || !status->regular || status->identity.size > kMaxProfileFileBytes) return {};
    content.identity = status->identity;
    content.bytes.resize(static_cast<size_t>(status->identity.size));
    size_t done = 0;
    while (done < content.bytes.size()) {
        const std::optional<size_t> n =
            files.ReadAt(fd, content.bytes.data() + done, content.bytes.size() - done, done);
        if (!n || *n == 0) break;  // the file shrank while we read: keep what is there
        done += *n;
    }
    content.bytes.resize(done);
    return content;
}

std::optional<FileIdentity> IdentityOfOpenFile(int fd) {
    const std::optional<FileStatus> status = SystemFileSystem().StatusOfOpen(fd);
    if (!status) return {};
    return status->identity;
}

bool FileExists(const std::string& path) {
    const std::optional<FileStatus> status = StatusOf(path);
    return status && status->regular;
}

bool IsDirectory(const std::string& path) {
    const std::optional<FileStatus> status = StatusOf(path);
    return status && status->directory;
}

bool CreateEmptyFileIfMissing(const std::string& path) {
    if (path.empty()) return false;
    const int fd = SystemFileSystem().OpenCreating(path);
    if (fd < 0) return false;
    SystemFileSystem().Close(fd);
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
