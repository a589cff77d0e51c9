#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "case/StagedFile.h"

namespace vitalis {

enum class ProfileOpen {
    Keep,          // a missing file is created empty; an existing one is left as it is
    Truncate,      // a missing file is created empty; an existing one is emptied
    ExistingOnly,  // nothing is created: a missing file reads as empty until written
};

// A handle on one INI-style settings or case file. Every read sees the file as it is now and
// every write reaches the file at once, so two stores on one path see each other's writes.
// Line breaks inside values are stored as "++" (and every "++" reads back as a line break:
// stored files rely on that). Text is UTF-8 in memory.
//
// The store keeps the parsed file and checks on every call that the file on disk is still
// the one it parsed, so reading a case file key by key costs one parse, not one per key.
// Writes replace the file atomically. A Batch groups many calls into one check and one write.
class ProfileStore {
  public:
    ProfileStore();
    explicit ProfileStore(std::string path, ProfileOpen mode = ProfileOpen::Keep);
    ProfileStore(std::string path, bool truncate);
    ProfileStore(ProfileStore&&) noexcept;
    ProfileStore& operator=(ProfileStore&&) noexcept;
    virtual ~ProfileStore();

    const std::string& path() const { return path_; }

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) const;
    int GetInt(std::string_view section, std::string_view key, int fallback) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);
    // WriteString for every pair in turn, in one change of the file. Nothing is written when
    // a key is not usable.
    using KeyValue = std::pair<std::string_view, std::string_view>;
    bool WriteStrings(std::string_view section, const std::vector<KeyValue>& entries);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

    // The file is there but could not be read (too large, a read error). Such a file is
    // never written over: every write fails, and the caller can say why.
    bool ReadFailed() const;

    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    // While a batch is open, the file is checked once and every write is held back until
    // the batch ends, when all of them reach the file in one atomic replace.
    class Batch {
      public:
        explicit Batch(ProfileStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Writes what the batch holds; true when everything written so far reached the file.
        bool Commit();
        // Drops every change the batch holds; nothing reaches the file.
        void Abandon();
        // Ends the batch of the outermost level with the file's new content staged beside it
        // (StagedFile), for the caller to install together with other files; nothing when
        // the content could not be staged or the file could not be read.
        std::optional<StagedFile> Stage();

      private:
        ProfileStore& store_;
        bool committed_ = false;
    };

  private:
    struct Cache;
    Cache& Current() const;  // the parsed file, reloaded when the file changed
    bool Change(bool changed);
    bool Flush();
    std::string FileBytes() const;  // the document as the file stores it
    bool NamesUsable(std::string_view section, std::string_view key) const;

    std::string path_;
    std::unique_ptr<Cache> cache_;
};

// Encoding of line breaks inside values: every CR LF (and, so that no value can ever break
// a line of the file, every lone CR or LF) becomes "++"; reading turns "++" into CR LF.
std::string EncodeLineBreaks(std::string_view value);
std::string DecodeLineBreaks(std::string_view stored);
// Leading decimal digits with an optional sign; 0 when the text does not begin with a number.
int ParseLeadingInt(std::string_view text);

}  // namespace vitalis
