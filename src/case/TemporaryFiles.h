#pragma once

#include <cstdint>
#include <string>

namespace vitalis {

// The temporary files an atomic replace writes beside its target. Their names are short
// and fixed in length, so a target whose name is near the file system's 255-byte limit can
// still be saved, and they follow one pattern, so the leftovers of a process killed during a
// save can be found and removed later.

// "<folder>/.vt<pid>_<n>.tmp": a fresh name for each call in this process.
std::string TemporaryPathBeside(const std::string& target);

// Whether a file name is one of ours: the current pattern, or the longer one earlier
// versions used (".<name>.tmp<pid>_<n>").
bool IsOurTemporaryName(const std::string& fileName);

// A temporary this old is a leftover: no save takes anywhere near as long.
inline constexpr int64_t kStaleTemporarySeconds = 15 * 60;

// Removes our temporaries in the folder that are older than kStaleTemporarySeconds.
// Returns how many were removed; other files are never touched.
int RemoveStaleTemporaries(const std::string& folder);

// How far below a case folder leftovers are looked for: the year and month folders downloads
// file their cases in, and one level more.
inline constexpr int kTemporarySearchDepth = 3;

// The same in the folder and in its subfolders down to maxDepth levels (a month folder in a
// year folder is level 2). Symbolic links are never followed, so nothing outside the folder
// is touched. Returns how many were removed.
int RemoveStaleTemporariesBelow(const std::string& folder, int maxDepth = kTemporarySearchDepth);

}  // namespace vitalis
