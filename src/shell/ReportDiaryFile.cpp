#include "shell/ReportDiaryFile.h"

#include <filesystem>

#include "case/ProfileStore.h"

namespace vitalis {
namespace {

std::string DiaryPath(const std::string& folder) {
    return (std::filesystem::path(folder) / kReportDiaryFile).string();
}

}  // namespace

bool WriteReportDiary(const std::string& folder, const Diary& diary) {
    ProfileStore store(DiaryPath(folder), ProfileOpen::Truncate);
    ProfileStore::Batch batch(store);
    return WriteDiary(store, diary) && batch.Commit();
}

std::optional<Diary> ReadReportDiary(const std::string& folder) {
    const ProfileStore store(DiaryPath(folder), ProfileOpen::ExistingOnly);
    std::vector<std::string> warnings;  // the report lists what it understands
    Diary diary = ReadDiary(store, warnings);
    diary.kept.clear();
    if (diary.empty()) return std::nullopt;
    return diary;
}

}  // namespace vitalis
