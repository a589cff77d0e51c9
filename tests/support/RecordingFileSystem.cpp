#include "support/RecordingFileSystem.h"

#include <filesystem>

#include "case/TemporaryFiles.h"

namespace vitalis::test {

void RecordingFileSystem::FailFolderFlush(int nth, int error) {
    folderFlushFault_ = {nth, error};
}

void RecordingFileSystem::FailFileFlush(int nth, int error) {
    fileFlushFault_ = {nth, error};
}

int RecordingFileSystem::Due(Fault& fault) {
    if (fault.countdown <= 0) return 0;
    return --fault.countdown == 0 ? fault.error : 0;
}

std::vector<std::string> RecordingFileSystem::DurabilitySteps() const {
    std::vector<std::string> steps;
    for (const std::string& call : calls_) {
        if (call.starts_with("flush") || call.starts_with("rename")) steps.push_back(call);
    }
    return steps;
}

std::string RecordingFileSystem::NameOf(const std::string& path) const {
    const std::string name = std::filesystem::path(path).filename().string();
    if (!IsOurTemporaryName(name)) return name;
    auto [it, added] = temporaryNames_.try_emplace(path);
    if (added) it->second = "tmp" + std::to_string(temporaryNames_.size());
    return it->second;
}

std::string RecordingFileSystem::NameOfHandle(int handle) const {
    const auto it = handlePaths_.find(handle);
    return it == handlePaths_.end() ? "handle " + std::to_string(handle) : NameOf(it->second);
}

std::optional<FileStatus> RecordingFileSystem::StatusOf(const std::string& path) const {
    return system_.StatusOf(path);
}

std::optional<FileStatus> RecordingFileSystem::LinkStatusOf(const std::string& path) const {
    return system_.LinkStatusOf(path);
}

std::optional<FileStatus> RecordingFileSystem::StatusOfOpen(int handle) const {
    return system_.StatusOfOpen(handle);
}

std::string RecordingFileSystem::ResolvedPath(const std::string& path) const {
    return system_.ResolvedPath(path);
}

int RecordingFileSystem::CheckWritable(const std::string& path) const {
    return system_.CheckWritable(path);
}

OpenedFile RecordingFileSystem::OpenForReading(const std::string& path) const {
    const OpenedFile opened = system_.OpenForReading(path);
    if (opened.handle >= 0) handlePaths_[opened.handle] = path;
    return opened;
}

int RecordingFileSystem::OpenCreating(const std::string& path) const {
    const int handle = system_.OpenCreating(path);
    if (handle >= 0) handlePaths_[handle] = path;
    return handle;
}

OpenedFile RecordingFileSystem::CreateNew(const std::string& path, unsigned permissions) const {
    const OpenedFile opened = system_.CreateNew(path, permissions);
    if (opened.handle >= 0) handlePaths_[opened.handle] = path;
    Log("create " + NameOf(path));
    return opened;
}

std::optional<size_t> RecordingFileSystem::ReadAt(int handle, char* into, size_t count,
                                                  uint64_t offset) const {
    return system_.ReadAt(handle, into, count, offset);
}

int RecordingFileSystem::WriteAll(int handle, std::string_view bytes) const {
    Log("write " + NameOfHandle(handle));
    return system_.WriteAll(handle, bytes);
}

int RecordingFileSystem::SetPermissions(int handle, unsigned permissions) const {
    return system_.SetPermissions(handle, permissions);
}

int RecordingFileSystem::Flush(int handle) const {
    Log("flush " + NameOfHandle(handle));
    if (const int error = Due(fileFlushFault_)) return error;
    return system_.Flush(handle);
}

void RecordingFileSystem::Close(int handle) const {
    handlePaths_.erase(handle);
    system_.Close(handle);
}

int RecordingFileSystem::FlushFolder(const std::string& folder) const {
    Log("flush folder " + folder);
    if (const int error = Due(folderFlushFault_)) return error;
    return system_.FlushFolder(folder);
}

int RecordingFileSystem::Rename(const std::string& from, const std::string& to) const {
    Log("rename " + NameOf(from) + " -> " + NameOf(to));
    const int error = system_.Rename(from, to);
    if (error == 0) {
        for (auto& [handle, path] : handlePaths_) {
            if (path == from) path = to;
        }
    }
    return error;
}

int RecordingFileSystem::Remove(const std::string& path) const {
    Log("remove " + NameOf(path));
    return system_.Remove(path);
}

}  // namespace vitalis::test
