#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "case/FileSystem.h"

namespace vitalis {

// Largest settings or case file we agree to read. A real case file of a week's recording is
// well under a megabyte; anything far beyond is not ours and is never loaded into memory.
inline constexpr uint64_t kMaxProfileFileBytes = 64ull * 1024 * 1024;

// An open read handle that keeps the file it was opened on alive. While a parsed copy of a
// file is held, holding its handle too means its inode cannot be recycled for another file,
// so an identity match really is the same file.
class FilePin {
  public:
    FilePin() = default;
    explicit FilePin(int fd) : fd_(fd) {}
    // A handle of that file system, closed through it.
    FilePin(int fd, const FileSystem& files) : fd_(fd), files_(&files) {}
    FilePin(FilePin&& other) noexcept : fd_(other.fd_), files_(other.files_) { other.fd_ = -1; }
    FilePin& operator=(FilePin&& other) noexcept;
    FilePin(const FilePin&) = delete;
    FilePin& operator=(const FilePin&) = delete;
    ~FilePin();
    int fd() const { return fd_; }

  private:
    int fd_ = -1;
    const FileSystem* files_ = nullptr;  // the system's when none
};

std::optional<FileIdentity> IdentityOf(const std::string& path);

struct FileContent {
    std::string bytes;
    FileIdentity identity;
    FilePin pin;
};

// Reads a whole regular file; nothing when it is missing, not a regular file, unreadable or
// larger than kMaxProfileFileBytes.
std::optional<FileContent> ReadWholeFile(const std::string& path);

struct WrittenFile {
    FileIdentity identity;
    FilePin pin;
};

// Replaces the file's content atomically: the bytes go to a new file beside it, which then
// takes the file's name, so readers see the old or the new file, never half of one. The
// file's permissions are kept. The new content is flushed to the disk before the rename and
// the folder before and after it, so after a crash or power cut the file holds the old or
// the new content. Returns the new file's identity and pin on success. Fails without
// touching anything when the existing file is not writable.
// (StagedFile.h does the same in two steps, for several files at once.)
std::optional<WrittenFile> ReplaceFileContent(const std::string& path, std::string_view bytes,
                                              const FileSystem& files = SystemFileSystem());

// The operating system's error number of this thread's last failed replace, 0 after one
// that succeeded: it tells a full disk from a refused folder.
int LastReplaceError();
// The language key ("Global Setting") that tells why this thread's last replace failed: a full
// disk or quota as such, every other cause as a file that could not be written.
const char* ReplaceFailureKey();

std::optional<FileIdentity> IdentityOfOpenFile(int fd);

bool FileExists(const std::string& path);
bool IsDirectory(const std::string& path);
// Creates an empty file when none exists; true when a file exists afterwards.
bool CreateEmptyFileIfMissing(const std::string& path);
// Creates every missing folder of the path (the path is a folder). True when it exists after.
bool CreateFolders(const std::string& folder);
std::string ParentFolder(const std::string& path);

}  // namespace vitalis
