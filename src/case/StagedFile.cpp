#include "case/StagedFile.h"

#include <cerrno>
#include <utility>

#include "case/TemporaryFiles.h"

namespace vitalis {
namespace {

thread_local int lastReplaceError = 0;

bool Failed(int error) {
    lastReplaceError = error;
    return false;
}

// A symbolic link is followed, so that replacing the file keeps the link.
std::string ResolveTarget(const std::string& path, const FileSystem& files) {
    const std::optional<FileStatus> link = files.LinkStatusOf(path);
    if (link && link->symbolicLink) {
        std::string resolved = files.ResolvedPath(path);
        if (!resolved.empty()) return resolved;
    }
    return path;
}

std::string FolderOf(const std::string& path) {
    const std::string folder = ParentFolder(path);
    return folder.empty() ? "." : folder;
}

int CreateTemporary(const std::string& target, std::string& temporary, const FileSystem& files) {
    OpenedFile opened;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = TemporaryPathBeside(target);
        opened = files.CreateNew(temporary, 0666);
        if (opened.handle >= 0) return opened.handle;
        if (opened.error != EEXIST) break;
    }
    Failed(opened.error);
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

std::optional<StagedFile> StagedFile::Write(const std::string& path, std::string_view bytes,
                                            const FileSystem& files) {
    lastReplaceError = 0;
    if (path.empty()) return {};
    const std::string target = ResolveTarget(path, files);
    const std::optional<FileStatus> old = files.StatusOf(target);
    if (old && !old->regular) {
        Failed(EISDIR);
        return {};
    }
    if (const int error = old ? files.CheckWritable(target) : 0) {
        Failed(error);
        return {};
    }
    std::string temporary;
    const int fd = CreateTemporary(target, temporary, files);
    if (fd < 0) return {};
    StagedFile staged(target, temporary, FilePin(fd, files), files);
    bool ok = true;
    if (const int error = files.WriteAll(fd, bytes)) ok = Failed(error);
    if (ok && old) {
        const int error = files.SetPermissions(fd, old->permissions);
        if (error != 0 && error != EPERM) ok = Failed(error);
    }
    // The content is on the disk before the name points at it: after a crash the old or the
    // new file is there, never an empty one.
    if (ok) {
        if (const int error = files.Flush(fd)) ok = Failed(error);
    }
    if (!ok) return {};  // the temporary goes with `staged`
    return staged;
}

StagedFile::StagedFile(std::string target, std::string temporary, FilePin pin,
                       const FileSystem& files)
    : files_(&files),
      target_(std::move(target)),
      temporary_(std::move(temporary)),
      pin_(std::move(pin)) {}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : files_(other.files_),
      target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, {})),
      pin_(std::move(other.pin_)) {}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
    if (this != &other) {
        Discard();
        files_ = other.files_;
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
    if (!temporary_.empty()) files_->Remove(temporary_);
    temporary_.clear();
}

std::optional<WrittenFile> StagedFile::Install() {
    if (temporary_.empty()) return {};
    const std::string folder = FolderOf(target_);
    // Flushing the folder first leaves the rename as the one change of the folder still on
    // its way to the disk, and the flush after it waits for just that.
    int error = files_->FlushFolder(folder);
    if (error == 0) error = files_->Rename(temporary_, target_);
    if (error != 0) {
        Failed(error);
        Discard();
        return {};
    }
    temporary_.clear();
    // Until the folder is flushed the rename may be lost in a power cut: the save is done
    // only then. When it fails the new file stays (it is what readers now see), but the
    // caller hears that the save is not safe.
    if (const int flushError = files_->FlushFolder(folder)) {
        Failed(flushError);
        return {};
    }
    WrittenFile written;
    const std::optional<FileStatus> status = files_->StatusOfOpen(pin_.fd());
    if (status) written.identity = status->identity;
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

std::optional<WrittenFile> ReplaceFileContent(const std::string& path, std::string_view bytes,
                                              const FileSystem& files) {
    std::optional<StagedFile> staged = StagedFile::Write(path, bytes, files);
    if (!staged) return {};
    return staged->Install();
}

}  // namespace vitalis
