#pragma once

#include <map>
#include <string>
#include <vector>

#include "case/FileSystem.h"

namespace vitalis::test {

// The system's files, with every call that changes them or makes them durable written to a
// log in order, and chosen calls made to fail. Paths in the log are file names, folders
// their full path; temporaries appear as "tmp1", "tmp2", … in the order they were created.
class RecordingFileSystem : public FileSystem {
  public:
    // The nth call (1 = the next one) of that kind fails with the error, without reaching
    // the system.
    void FailFolderFlush(int nth, int error);
    void FailFileFlush(int nth, int error);

    const std::vector<std::string>& calls() const { return calls_; }
    // Only the flushes and renames: the steps that decide what a power cut leaves.
    std::vector<std::string> DurabilitySteps() const;

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

  private:
    struct Fault {
        int countdown = 0;  // 0: none planned
        int error = 0;
    };
    static int Due(Fault& fault);
    std::string NameOf(const std::string& path) const;
    std::string NameOfHandle(int handle) const;
    void Log(std::string call) const { calls_.push_back(std::move(call)); }

    const FileSystem& system_ = SystemFileSystem();
    mutable std::vector<std::string> calls_;
    mutable std::map<std::string, std::string> temporaryNames_;  // path -> "tmpN"
    mutable std::map<int, std::string> handlePaths_;
    mutable Fault folderFlushFault_;
    mutable Fault fileFlushFault_;
};

}  // namespace vitalis::test
