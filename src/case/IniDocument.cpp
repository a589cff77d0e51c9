#include "case/IniDocument.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>
#include <unordered_set>
#include <utility>

namespace vitalis {
namespace {

constexpr uint32_t kSearchesBeforeIndex = 3;
// Up to this many keys in a section, a bulk write compares against them one by one.
constexpr size_t kKeysForBulkWrite = 64;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

uint64_t HashIgnoringCase(std::string_view text) {
    uint64_t hash = 1469598103934665603ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(LowerAscii(c));
        hash *= 1099511628211ull;
    }
    // FNV leaves the low bits of short, similar keys ("12", "C12") clustered; mix them so
    // that the slot, taken from the low bits, spreads.
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93ull;
    hash ^= hash >> 32;
    return hash;
}

[[maybe_unused]] bool DistinctKeys(const std::vector<IniDocument::KeyValue>& entries) {
    std::unordered_set<std::string> seen;
    for (const auto& entry : entries) {
        std::string lowered(entry.key);
        for (char& c : lowered) c = LowerAscii(c);
        if (!seen.insert(std::move(lowered)).second) return false;
    }
    return true;
}

}  // namespace

IniDocument::IniDocument(std::string text) : arena_(std::move(text)) {
    sections_.emplace_back();  // the lines before the first section
    const char* const base = arena_.data();
    const size_t size = arena_.size();
    size_t start = 0;
    while (start < size) {
        const void* newline = std::memchr(base + start, '\n', size - start);
        size_t end = newline ? static_cast<size_t>(static_cast<const char*>(newline) - base) : size;
        const size_t next = newline ? end + 1 : size;
        if (end > start && base[end - 1] == '\r') --end;
        AddLine({base + start, end - start});
        start = next;
    }
}

IniDocument::Line IniDocument::ParseLine(Span text) const {
    Line line;
    line.text = text;
    const std::string_view view = View(text);
    size_t first = 0;
    while (first < view.size() && IsBlank(view[first])) ++first;
    const size_t equals = view.find('=', first);
    if (equals == std::string_view::npos) return line;
    size_t keyEnd = equals;
    while (keyEnd > first && IsBlank(view[keyEnd - 1])) --keyEnd;
    if (keyEnd == first) return line;  // "=value" names no key
    size_t valueBegin = equals + 1;
    size_t valueEnd = view.size();
    while (valueBegin < valueEnd && IsBlank(view[valueBegin])) ++valueBegin;
    while (valueEnd > valueBegin && IsBlank(view[valueEnd - 1])) --valueEnd;
    line.key = {static_cast<uint32_t>(text.begin + first), static_cast<uint32_t>(keyEnd - first)};
    line.value = {static_cast<uint32_t>(text.begin + valueBegin),
                  static_cast<uint32_t>(valueEnd - valueBegin)};
    return line;
}

void IniDocument::AddLine(std::string_view rawLine) {
    const Span text{static_cast<uint32_t>(rawLine.data() - arena_.data()),
                    static_cast<uint32_t>(rawLine.size())};
    size_t first = 0;
    while (first < rawLine.size() && IsBlank(rawLine[first])) ++first;
    if (first < rawLine.size() && rawLine[first] == '[') {
        size_t nameBegin = first + 1;
        size_t nameEnd = rawLine.find(']', nameBegin);
        if (nameEnd == std::string_view::npos) nameEnd = rawLine.size();
        while (nameBegin < nameEnd && IsBlank(rawLine[nameBegin])) ++nameBegin;
        while (nameEnd > nameBegin && IsBlank(rawLine[nameEnd - 1])) --nameEnd;
        Section& section = sections_.emplace_back();
        section.hasHeader = true;
        section.header = text;
        section.name = {static_cast<uint32_t>(text.begin + nameBegin),
                        static_cast<uint32_t>(nameEnd - nameBegin)};
        return;
    }
    Section& section = sections_.back();
    Line line = section.hasHeader ? ParseLine(text) : Line{text, {}, {}};
    section.lines.push_back(line);
}

IniDocument::Span IniDocument::Append(std::string_view text) {
    const Span span{static_cast<uint32_t>(arena_.size()), static_cast<uint32_t>(text.size())};
    arena_.append(text);
    return span;
}

IniDocument::Line IniDocument::NewKeyLine(std::string_view key, std::string_view value) {
    const Span text = AppendKeyLine(key, value);
    const bool trimmed = !key.empty() && !IsBlank(key.front()) && !IsBlank(key.back()) &&
                         (value.empty() || (!IsBlank(value.front()) && !IsBlank(value.back())));
    if (!trimmed) return ParseLine(text);
    const auto keyLength = static_cast<uint32_t>(key.size());
    return {text,
            {text.begin, keyLength},
            {text.begin + keyLength + 1, static_cast<uint32_t>(value.size())}};
}

IniDocument::Span IniDocument::AppendKeyLine(std::string_view key, std::string_view value) {
    const Span span{static_cast<uint32_t>(arena_.size()),
                    static_cast<uint32_t>(key.size() + 1 + value.size())};
    arena_.resize(arena_.size() + span.length);
    char* out = arena_.data() + span.begin;
    std::memcpy(out, key.data(), key.size());
    out[key.size()] = '=';
    if (!value.empty()) std::memcpy(out + key.size() + 1, value.data(), value.size());
    return span;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    // Callers work through one section at a time: try the last one found first, but only if
    // no earlier section of the same name would win.
    if (lastSection_ < sections_.size()) {
        const Section& last = sections_[lastSection_];
        if (EqualsIgnoringCase(View(last.name), name) && last.hasHeader) return &last;
    }
    for (size_t i = 0; i < sections_.size(); ++i) {
        const Section& section = sections_[i];
        if (section.hasHeader && EqualsIgnoringCase(View(section.name), name)) {
            lastSection_ = i;
            return &section;
        }
    }
    return nullptr;
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool IniDocument::IndexLine(const Section& section, uint32_t lineNumber) const {
    KeyIndex& index = section.index;
    if (!index.built) return false;
    const Line& line = section.lines[lineNumber];
    if (!line.IsKey()) return false;
    const std::string_view key = View(line.key);
    const size_t mask = index.slots.size() - 1;
    for (size_t slot = HashIgnoringCase(key) & mask;; slot = (slot + 1) & mask) {
        const uint32_t entry = index.slots[slot];
        if (entry == 0) {
            index.slots[slot] = lineNumber + 1;
            return false;
        }
        if (EqualsIgnoringCase(View(section.lines[entry - 1].key), key)) return true;  // first wins
    }
}

size_t IniDocument::BuildIndex(const Section& section) const {
    size_t capacity = 16;
    while (capacity < section.lines.size() * 2 + 2) capacity *= 2;
    section.index.slots.assign(capacity, 0);
    section.index.built = true;
    size_t duplicates = 0;
    for (uint32_t n = 0; n < section.lines.size(); ++n) duplicates += IndexLine(section, n) ? 1 : 0;
    return duplicates;
}

IniDocument::Probe IniDocument::ProbeKey(const Section& section, std::string_view key) const {
    if (!section.index.built && ++section.searches > kSearchesBeforeIndex) BuildIndex(section);
    if (!section.index.built) {
        for (uint32_t n = 0; n < section.lines.size(); ++n) {
            const Line& line = section.lines[n];
            if (line.key.length == key.size() && EqualsIgnoringCase(View(line.key), key))
                return {n, 0};
        }
        return {};
    }
    const KeyIndex& index = section.index;
    const size_t mask = index.slots.size() - 1;
    for (size_t slot = HashIgnoringCase(key) & mask;; slot = (slot + 1) & mask) {
        const uint32_t entry = index.slots[slot];
        if (entry == 0) return {std::nullopt, slot};
        const Line& line = section.lines[entry - 1];
        if (line.key.length == key.size() && EqualsIgnoringCase(View(line.key), key)) {
            return {entry - 1, 0};
        }
    }
}

std::optional<uint32_t> IniDocument::FindLine(const Section& section, std::string_view key) const {
    return ProbeKey(section, key).line;
}

std::optional<std::string_view> IniDocument::Find(std::string_view sectionName,
                                                  std::string_view key) const {
    const Section* section = FindSection(sectionName);
    if (section == nullptr) return {};
    const auto line = FindLine(*section, key);
    if (!line) return {};
    return View(section->lines[*line].value);
}

IniDocument::Section& IniDocument::FindOrAddSection(std::string_view name) {
    if (Section* section = FindSection(name)) return *section;
    const Span header = Append("[" + std::string(name) + "]");
    Section& added = sections_.emplace_back();
    added.hasHeader = true;
    added.header = header;
    added.name = {header.begin + 1, static_cast<uint32_t>(name.size())};
    return added;
}

size_t IniDocument::EndOfSection(const Section& section) {
    size_t position = section.lines.size();
    while (position > 0 && section.lines[position - 1].text.length == 0) --position;
    return position;
}

void IniDocument::SetAll(std::string_view sectionName, const std::vector<KeyValue>& entries) {
    Section& section = FindOrAddSection(sectionName);
    // Room for every new line first: the views of the existing keys below point into the
    // arena, and no later append may move it.
    size_t bytes = 0;
    for (const KeyValue& entry : entries) bytes += entry.key.size() + entry.value.size() + 1;
    arena_.reserve(arena_.size() + bytes);
    std::vector<std::string_view> existing;
    for (const Line& line : section.lines) {
        if (line.IsKey()) existing.push_back(View(line.key));
    }
    if (existing.size() > kKeysForBulkWrite) {
        for (const KeyValue& entry : entries) Set(sectionName, entry.key, entry.value);
        return;
    }
    // Few keys so far (a file being written afresh): keys that exist are replaced in place,
    // every other line is appended at once; the index is built when the section is searched.
    std::array<bool, 64> lengthTaken{};  // most keys are ruled out by their length alone
    for (std::string_view known : existing) lengthTaken[std::min<size_t>(known.size(), 63)] = true;
    const auto exists = [&](std::string_view key) {
        if (!lengthTaken[std::min<size_t>(key.size(), 63)]) return false;
        return std::any_of(existing.begin(), existing.end(), [&](std::string_view known) {
            return known.size() == key.size() && EqualsIgnoringCase(known, key);
        });
    };
    std::vector<KeyValue> replaced;
    // New lines go after the last non-blank line: set the trailing blank lines aside.
    const size_t position = EndOfSection(section);
    std::vector<Line> trailing(section.lines.begin() + static_cast<std::ptrdiff_t>(position),
                               section.lines.end());
    section.lines.resize(position);
    section.lines.reserve(position + entries.size() + trailing.size());
    for (const KeyValue& entry : entries) {
        if (exists(entry.key)) {
            replaced.push_back(entry);
        } else {
            section.lines.push_back(NewKeyLine(entry.key, entry.value));
        }
    }
    section.lines.insert(section.lines.end(), trailing.begin(), trailing.end());
    section.index.built = false;
    assert(DistinctKeys(entries) && "SetAll takes distinct keys");
    for (const KeyValue& entry : replaced) Set(sectionName, entry.key, entry.value);
}

void IniDocument::Set(std::string_view sectionName, std::string_view key, std::string_view value) {
    Section* section = &FindOrAddSection(sectionName);
    const Probe probe = ProbeKey(*section, key);
    if (probe.line) {
        Line& line = section->lines[*probe.line];
        const std::string spelledKey(View(line.key));  // keep the key as the file spells it
        line = ParseLine(AppendKeyLine(spelledKey, value));
        return;
    }
    const Line line = NewKeyLine(key, value);
    // After the last non-blank line, so a blank line before the next section stays there.
    // Only blank lines follow that point, so no indexed line number moves.
    const size_t position = EndOfSection(*section);
    section->lines.insert(section->lines.begin() + static_cast<std::ptrdiff_t>(position), line);
    KeyIndex& index = section->index;
    if (!index.built) return;
    // A key with spaces around it is stored trimmed, under another hash than probed.
    if (section->lines.size() * 2 > index.slots.size() || View(line.key) != key) {
        BuildIndex(*section);
    } else if (line.IsKey()) {
        index.slots[probe.freeSlot] = static_cast<uint32_t>(position) + 1;
    }
}

bool IniDocument::RemoveKey(std::string_view sectionName, std::string_view key) {
    Section* section = FindSection(sectionName);
    if (section == nullptr) return false;
    bool removed = false;
    for (auto line = FindLine(*section, key); line; line = FindLine(*section, key)) {
        section->lines.erase(section->lines.begin() + *line);
        section->index.built = false;
        removed = true;
    }
    return removed;
}

bool IniDocument::RemoveSection(std::string_view sectionName) {
    lastSection_ = SIZE_MAX;
    bool removed = false;
    for (size_t i = 1; i < sections_.size();) {
        if (sections_[i].hasHeader && EqualsIgnoringCase(View(sections_[i].name), sectionName)) {
            sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(i));
            removed = true;
        } else {
            ++i;
        }
    }
    return removed;
}

std::string IniDocument::Serialize() const {
    std::string out;
    out.reserve(arena_.size() + arena_.size() / 16 + 16);
    for (const Section& section : sections_) {
        if (section.hasHeader) {
            out += View(section.header);
            out += "\r\n";
        }
        for (const Line& line : section.lines) {
            out += View(line.text);
            out += "\r\n";
        }
    }
    return out;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        if (section.hasHeader) names.emplace_back(View(section.name));
    }
    return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view sectionName) const {
    std::vector<std::string> names;
    const Section* section = FindSection(sectionName);
    if (section == nullptr) return names;
    for (const Line& line : section->lines) {
        if (line.IsKey()) names.emplace_back(View(line.key));
    }
    return names;
}

}  // namespace vitalis
