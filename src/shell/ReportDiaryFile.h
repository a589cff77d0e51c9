#pragma once

#include <optional>
#include <string>

#include "case/Diary.h"

namespace vitalis {

// The patient's diary handed to the report program in a file of its own, in the case file's
// own "DIARY" lines, so the page records keep their sizes and an older report program, which
// does not look for the file, prints as before. Its extension makes a new run remove it.
inline constexpr const char* kReportDiaryFile = "diary.rp";

bool WriteReportDiary(const std::string& folder, const Diary& diary);
// The diary the folder holds; nothing when it holds none.
std::optional<Diary> ReadReportDiary(const std::string& folder);

}  // namespace vitalis
