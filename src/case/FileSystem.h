#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

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
};

// The operating system's files as the case files need them. The core itself stays plain
// C++; the platform's implementation lives in a folder of its own. Handles are the
// system's small integers, -1 for none.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Follows symbolic links; nothing when the path names nothing.
    virtual std::optional<FileStatus> StatusOf(const std::string& path) const = 0;
    virtual std::optional<FileStatus> StatusOfOpen(int handle) const = 0;
    virtual int OpenForReading(const std::string& path) const = 0;
    // Opens for writing, creating an empty file when none exists.
    virtual int OpenCreating(const std::string& path) const = 0;
    // Up to count bytes from offset; 0 at the end, nothing on an error. An interrupted read
    // is retried.
    virtual std::optional<size_t> ReadAt(int handle, char* into, size_t count,
                                         uint64_t offset) const = 0;
    virtual void Close(int handle) const = 0;
};

// The running system's files, for the life of the program.
const FileSystem& SystemFileSystem();

}  // namespace vitalis
