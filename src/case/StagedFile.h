#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/FileAccess.h"

namespace vitalis {

// New content for a file, written and flushed to a temporary beside it but not yet in its
// place. Staging every file of one change first and installing them only when all are
// staged means a full disk or a refused folder leaves every file as it was. A staged file
// that is never installed is removed with its object.
class StagedFile {
  public:
    // Nothing when the target is not a writable regular file or the content could not be
    // written in full and flushed to the disk; LastReplaceError() then says why.
    static std::optional<StagedFile> Write(const std::string& path, std::string_view bytes,
                                           const FileSystem& files = SystemFileSystem());

    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&& other) noexcept;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();

    const std::string& target() const { return target_; }
    // The folder is flushed, the temporary takes the target's name and the folder is flushed
    // again, so a crash after this leaves the new file. Nothing on failure: when the
    // folder could not be flushed before the rename the old file is still there; when it
    // could not be flushed after it, the new file is in place but may not outlast a power
    // cut, so the save counts as failed all the same.
    std::optional<WrittenFile> Install();

  private:
    StagedFile(std::string target, std::string temporary, FilePin pin, const FileSystem& files);
    void Discard();

    const FileSystem* files_;
    std::string target_;
    std::string temporary_;  // empty once installed or discarded
    FilePin pin_;
};

// Installs each in turn. On a failure the rest stay uninstalled (and are removed with their
// objects) and failedPath names the file that failed.
bool InstallStagedFiles(std::vector<StagedFile>& files, std::string& failedPath);

}  // namespace vitalis
