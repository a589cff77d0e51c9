#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vitalis {

// What tells one version of a file from another: the file itself (device and inode) and
// when and how it last changed.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct FileStatus {
    FileIdentity identity;
    bool regular = false;
    bool directory = false;
    bool symbolicLink = false;  // only ever set by LinkStatusOf
    unsigned permissions = 0;   // the mode's permission bits, 07777 at most
};

// A handle, or -1 and the system's error number that says why there is none.
struct OpenedFile {
    int handle = -1;
    int error = 0;
};

// The operating system's files as the case files need them. The core itself stays plain
// C++; the platform's implementation lives in a folder of its own. Handles are the
// system's small integers, -1 for none. Calls that return an int return 0 on success and
// the system's error number (as <cerrno> names them) on failure.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Follows symbolic links; nothing when the path names nothing.
    virtual std::optional<FileStatus> StatusOf(const std::string& path) const = 0;
    // The path itself, a symbolic link as such.
    virtual std::optional<FileStatus> LinkStatusOf(const std::string& path) const = 0;
    virtual std::optional<FileStatus> StatusOfOpen(int handle) const = 0;
    // The absolute path with every symbolic link resolved; empty when it cannot be.
    virtual std::string ResolvedPath(const std::string& path) const = 0;
    // Whether this process may write to the file.
    virtual int CheckWritable(const std::string& path) const = 0;

    virtual OpenedFile OpenForReading(const std::string& path) const = 0;
    // Opens for writing, creating an empty file when none exists.
    virtual int OpenCreating(const std::string& path) const = 0;
    // Creates the file and opens it for reading and writing; fails (EEXIST) when the name
    // is taken, so two writers never share a file.
    virtual OpenedFile CreateNew(const std::string& path, unsigned permissions) const = 0;
    // Up to count bytes from offset; 0 at the end, nothing on an error. An interrupted read
    // is retried.
    virtual std::optional<size_t> ReadAt(int handle, char* into, size_t count,
                                         uint64_t offset) const = 0;
    // Every byte, in as many writes as it takes.
    virtual int WriteAll(int handle, std::string_view bytes) const = 0;
    virtual int SetPermissions(int handle, unsigned permissions) const = 0;
    // Returns once the file's content is on the disk.
    virtual int Flush(int handle) const = 0;
    virtual void Close(int handle) const = 0;

    // Returns once the folder's names (files created, renamed or removed in it) are on the
    // disk. 0 too when the file system offers no way to flush that folder.
    virtual int FlushFolder(const std::string& folder) const = 0;
    // Gives the file the new name, replacing a file of that name in one step.
    virtual int Rename(const std::string& from, const std::string& to) const = 0;
    virtual int Remove(const std::string& path) const = 0;
};

// The running system's files, for the life of the program.
const FileSystem& SystemFileSystem();

}  // namespace vitalis
