#include "case/StagedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

#include "case/TemporaryFiles.h"

namespace vitalis {
namespace {

thread_local int lastReplaceError = 0;

bool Failed(int error) {
    lastReplaceError = error;
    return false;
}

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Failed(errno);
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// A symbolic link is followed, so that replacing the file keeps the link.
std::string ResolveTarget(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    }
    return path;
}

// The rename has happened by then, so a folder that cannot be flushed does not undo the save.
void SyncFolderOf(const std::string& path) {
    const std::string folder = ParentFolder(path);
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

int CreateTemporary(const std::string& target, std::string& temporary) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = TemporaryPathBeside(target);
        const int fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    Failed(errno);
    return -1;
}

}  // namespace

int LastReplaceError() {
    return lastReplaceError;
}

const char* ReplaceFailureKey() {
    return lastReplaceError == ENOSPC || lastReplaceError == EDQUOT ? "IDS_DISK_FULL"
                                                                    : "IDS_FAILEDFILE";
}

std::optional<StagedFile> StagedFile::Write(const std::string& path, std::string_view bytes) {
    lastReplaceError = 0;
    if (path.empty()) return {};
    const std::string target = ResolveTarget(path);
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        Failed(EISDIR);
        return {};
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        Failed(errno);
        return {};
    }
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return {};
    StagedFile staged(target, temporary, FilePin(fd));
    bool ok = WriteAll(fd, bytes);
    if (ok && exists && ::fchmod(fd, old.st_mode & 07777) != 0 && errno != EPERM)
        ok = Failed(errno);
    // The content is on the disk before the name points at it: after a crash the old or the
    // new file is there, never an empty one.
    if (ok && ::fsync(fd) != 0) ok = Failed(errno);
    if (!ok) return {};  // the temporary goes with `staged`
    return staged;
}

StagedFile::StagedFile(std::string target, std::string temporary, FilePin pin)
    : target_(std::move(target)), temporary_(std::move(temporary)), pin_(std::move(pin)) {}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, {})),
      pin_(std::move(other.pin_)) {}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
    if (this != &other) {
        Discard();
        target_ = std::move(other.target_);
        temporary_ = std::exchange(other.temporary_, {});
        pin_ = std::move(other.pin_);
    }
    return *this;
}

StagedFile::~StagedFile() {
    Discard();
}

void StagedFile::Discard() {
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

std::optional<WrittenFile> StagedFile::Install() {
    if (temporary_.empty()) return {};
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Failed(errno);
        Discard();
        return {};
    }
    temporary_.clear();
    SyncFolderOf(target_);
    WrittenFile written;
    const std::optional<FileIdentity> identity = IdentityOfOpenFile(pin_.fd());
    if (identity) written.identity = *identity;
    written.pin = std::move(pin_);
    RemoveStaleTemporaries(ParentFolder(target_));
    return written;
}

bool InstallStagedFiles(std::vector<StagedFile>& files, std::string& failedPath) {
    for (StagedFile& file : files) {
        if (!file.Install()) {
            failedPath = file.target();
            return false;
        }
    }
    return true;
}

std::optional<WrittenFile> ReplaceFileContent(const std::string& path, std::string_view bytes) {
    std::optional<StagedFile> staged = StagedFile::Write(path, bytes);
    if (!staged) return {};
    return staged->Install();
}

}  // namespace vitalis
