#pragma once

#include "case/FileSystem.h"

namespace vitalis {

// The files of a POSIX system, through open, pread and stat.
class PosixFileSystem : public FileSystem {
  public:
    std::optional<FileStatus> StatusOf(const std::string& path) const override;
    std::optional<FileStatus> StatusOfOpen(int handle) const override;
    int OpenForReading(const std::string& path) const override;
    int OpenCreating(const std::string& path) const override;
    std::optional<size_t> ReadAt(int handle, char* into, size_t count,
                                 uint64_t offset) const override;
    void Close(int handle) const override;
};

}  // namespace vitalis
