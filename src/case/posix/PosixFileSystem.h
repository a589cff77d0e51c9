#pragma once

#include "case/FileSystem.h"

namespace vitalis {

// The files of a POSIX system, through open, pread, write, fsync, rename and stat.
class PosixFileSystem : public FileSystem {
  public:
    std::optional<FileStatus> StatusOf(const std::string& path) const override;
    std::optional<FileStatus> LinkStatusOf(const std::string& path) const override;
    std::optional<FileStatus> StatusOfOpen(int handle) const override;
    std::string ResolvedPath(const std::string& path) const override;
    int CheckWritable(const std::string& path) const override;

    OpenedFile OpenForReading(const std::string& path) const override;
    int OpenCreating(const std::string& path) const override;
    OpenedFile CreateNew(const std::string& path, unsigned permissions) const override;
    std::optional<size_t> ReadAt(int handle, char* into, size_t count,
                                 uint64_t offset) const override;
    int WriteAll(int handle, std::string_view bytes) const override;
    int SetPermissions(int handle, unsigned permissions) const override;
    int Flush(int handle) const override;
    void Close(int handle) const override;

    int FlushFolder(const std::string& folder) const override;
    int Rename(const std::string& from, const std::string& to) const override;
    int Remove(const std::string& path) const override;
};

}  // namespace vitalis
