#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/AsciiCase.h"

namespace vitalis {

// The parsed text of one INI-style file: sections of "key=value" lines, CR LF line ends.
// Section and key names compare without regard to ASCII letter case, spaces around names
// and values are not part of them, and the first occurrence of a key wins. Lines that are
// not key lines (comments, blank lines, lines before the first section) are kept as they
// stand, so rewriting a file changes only what was written.
//
// All line texts live in one growing buffer and lines refer to it by offsets, so parsing a
// file allocates a handful of blocks instead of one per line. A section builds a hash index
// of its keys once it is searched more than a few times (a case file is read key by key).
class IniDocument {
  public:
    IniDocument() = default;
    explicit IniDocument(std::string text);  // UTF-8, LF or CR LF line ends

    // The value as stored (trimmed), or nothing when the section or key is missing.
    // The view is valid until the document changes.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Replaces the value in place when the key exists; otherwise appends the key line after
    // the last line of the section, or appends the section with the key at the end.
    // Names must not hold line breaks, '=' (key) or ']' (section); the caller checks.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // The same as Set for each entry in turn, much faster into a section without keys.
    // The entries' keys must differ from each other (compared without letter case).
    struct KeyValue {
        std::string_view key;
        std::string_view value;
    };
    void SetAll(std::string_view section, const std::vector<KeyValue>& entries);
    bool RemoveKey(std::string_view section, std::string_view key);
    bool RemoveSection(std::string_view section);

    std::string Serialize() const;  // CR LF after every line
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;
    size_t BufferSize() const { return arena_.size(); }

  private:
    struct Span {
        uint32_t begin = 0;
        uint32_t length = 0;
    };
    struct Line {
        Span text;
        Span key;  // empty unless a key line
        Span value;
        bool IsKey() const { return key.length != 0; }
    };
    // Open-addressing table of line numbers + 1 (0 marks a free slot).
    struct KeyIndex {
        std::vector<uint32_t> slots;
        bool built = false;
    };
    struct Section {
        bool hasHeader = false;  // false only for the lines before the first section
        Span header;
        Span name;
        std::vector<Line> lines;
        mutable KeyIndex index;
        mutable uint32_t searches = 0;
    };

    std::string_view View(Span span) const { return {arena_.data() + span.begin, span.length}; }
    Span Append(std::string_view text);
    Line NewKeyLine(std::string_view key, std::string_view value);
    Span AppendKeyLine(std::string_view key, std::string_view value);  // neither may view arena_
    Line ParseLine(Span text) const;
    void AddLine(std::string_view rawLine);
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    // The line of a key, or where the index would take it (when the section has an index).
    struct Probe {
        std::optional<uint32_t> line;
        size_t freeSlot = 0;
    };
    Probe ProbeKey(const Section& section, std::string_view key) const;
    std::optional<uint32_t> FindLine(const Section& section, std::string_view key) const;
    Section& FindOrAddSection(std::string_view name);
    static size_t EndOfSection(const Section& section);  // after its last non-blank line
    size_t BuildIndex(const Section& section) const;     // returns how many keys came again
    bool IndexLine(const Section& section, uint32_t lineNumber) const;  // true: a repeat

    std::string arena_;
    std::vector<Section> sections_;
    mutable size_t lastSection_ = SIZE_MAX;  // the first section of its name, when set
};

}  // namespace vitalis
