#include "case/ProfileStore.h"

#include <climits>
#include <optional>

#include "case/FileAccess.h"
#include "case/IniDocument.h"
#include "case/StagedFile.h"
#include "case/TextEncoding.h"

namespace vitalis {

struct ProfileStore::Cache {
    IniDocument document;
    FileEncoding encoding = FileEncoding::Utf8;
    OriginalLines originals;  // lines that were not UTF-8, to be written back as they were
    std::optional<FileIdentity> identity;  // of the file the document was read from
    FilePin pin;
    bool loaded = false;
    int batchDepth = 0;
    bool batchChecked = false;
    bool dirty = false;        // changed in memory, not yet written
    bool writeFailed = false;  // a write of the current batch did not reach the file
    bool unreadable = false;   // the file is there but could not be read: never written over
    size_t writtenSize = 0;
};

std::string EncodeLineBreaks(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
            out += "++";
        } else if (c != '\0') {
            out += c;
        }
    }
    return out;
}

std::string DecodeLineBreaks(std::string_view stored) {
    std::string out;
    out.reserve(stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '+' && i + 1 < stored.size() && stored[i + 1] == '+') {
            out += "\r\n";
            ++i;
        } else {
            out += stored[i];
        }
    }
    return out;
}

int ParseLeadingInt(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}

ProfileStore::ProfileStore() : cache_(std::make_unique<Cache>()) {}

ProfileStore::ProfileStore(std::string path, bool truncate)
    : ProfileStore(std::move(path), truncate ? ProfileOpen::Truncate : ProfileOpen::Keep) {}

ProfileStore::ProfileStore(std::string path, ProfileOpen mode)
    : path_(std::move(path)), cache_(std::make_unique<Cache>()) {
    if (path_.empty() || mode == ProfileOpen::ExistingOnly) return;
    if (mode == ProfileOpen::Truncate && FileExists(path_)) {
        ReplaceFileContent(path_, std::string());
    } else {
        CreateEmptyFileIfMissing(path_);
    }
}

ProfileStore::ProfileStore(ProfileStore&&) noexcept = default;
ProfileStore& ProfileStore::operator=(ProfileStore&&) noexcept = default;

ProfileStore::~ProfileStore() {
    if (cache_ && cache_->dirty) Flush();
}

ProfileStore::Cache& ProfileStore::Current() const {
    Cache& cache = *cache_;
    if (cache.batchDepth > 0 && cache.batchChecked) return cache;
    cache.batchChecked = cache.batchDepth > 0;
    if (cache.dirty) return cache;  // our own unwritten changes are the newest state
    const std::optional<FileIdentity> now = IdentityOf(path_);
    if (cache.loaded && now == cache.identity) return cache;
    cache.loaded = true;
    cache.identity.reset();
    cache.pin = FilePin();
    cache.document = IniDocument();
    cache.encoding = FileEncoding::Utf8;
    cache.originals.clear();
    cache.unreadable = false;
    if (!now) return cache;
    auto content = ReadWholeFile(path_);
    cache.unreadable = !content;
    if (content) {
        DecodedText text = DecodeFileText(content->bytes);
        cache.document = IniDocument(std::move(text.utf8));
        cache.encoding = text.encoding;
        cache.originals = std::move(text.originals);
        cache.identity = content->identity;
        cache.pin = std::move(content->pin);
    }
    return cache;
}

std::string ProfileStore::FileBytes() const {
    const Cache& cache = *cache_;
    const std::string text = cache.document.Serialize();
    if (cache.encoding == FileEncoding::Utf8 && cache.originals.empty()) return text;
    return EncodeFileText(text, cache.encoding, cache.originals);
}

bool ProfileStore::ReadFailed() const {
    return !path_.empty() && Current().unreadable;
}

bool ProfileStore::Flush() {
    Cache& cache = *cache_;
    cache.dirty = false;
    // What we hold of a file we could not read is not its content: writing it would lose
    // every entry in it.
    auto written = cache.unreadable ? std::nullopt : ReplaceFileContent(path_, FileBytes());
    if (!written) {
        cache.loaded = false;  // forget the change that did not reach the file
        cache.writeFailed = true;
        return false;
    }
    cache.identity = written->identity;
    cache.pin = std::move(written->pin);
    // Edits append to the document's buffer; start afresh once it holds mostly old text.
    if (cache.document.BufferSize() > 2 * cache.identity->size + 65536) {
        cache.document = IniDocument(cache.document.Serialize());
    }
    return true;
}

bool ProfileStore::Change(bool changed) {
    if (!changed) return false;
    cache_->dirty = true;
    if (cache_->batchDepth > 0) return true;
    return Flush();
}

bool ProfileStore::NamesUsable(std::string_view section, std::string_view key) const {
    return !path_.empty() && !section.empty() && !key.empty();
}

std::string ProfileStore::GetString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    if (path_.empty()) return {};
    if (section.empty() || key.empty()) return std::string(fallback);
    const auto value = Current().document.Find(section, key);
    return DecodeLineBreaks(value ? *value : fallback);
}

int ProfileStore::GetInt(std::string_view section, std::string_view key, int fallback) const {
    if (!NamesUsable(section, key)) return fallback;
    const auto value = Current().document.Find(section, key);
    return value ? ParseLeadingInt(*value) : fallback;
}

bool ProfileStore::HasKey(std::string_view section, std::string_view key) const {
    return NamesUsable(section, key) && Current().document.Find(section, key).has_value();
}

namespace {

// A name that could end its line or its brackets early would write a different key, and a
// key line beginning with "[" would read back as a section.
bool SafeName(std::string_view name, char forbidden) {
    if (forbidden == '=' && name.starts_with('[')) return false;
    for (const char c : name) {
        if (c == '\r' || c == '\n' || c == forbidden) return false;
    }
    return true;
}

bool NeedsLineBreakEncoding(std::string_view value) {
    for (const char c : value) {
        if (c == '\r' || c == '\n' || c == '\0') return true;
    }
    return false;
}

}  // namespace

bool ProfileStore::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
    if (!NamesUsable(section, key)) return false;
    if (!SafeName(section, ']') || !SafeName(key, '=')) return false;
    if (NeedsLineBreakEncoding(value)) {
        Current().document.Set(section, key, EncodeLineBreaks(value));
    } else {
        Current().document.Set(section, key, value);
    }
    return Change(true);
}

bool ProfileStore::WriteStrings(std::string_view section, const std::vector<KeyValue>& entries) {
    if (path_.empty() || section.empty() || !SafeName(section, ']')) return false;
    std::vector<IniDocument::KeyValue> lines;
    lines.reserve(entries.size());
    std::vector<std::string> encoded;  // values whose line breaks had to be replaced
    encoded.reserve(entries.size());
    for (const auto& [key, value] : entries) {
        if (key.empty() || !SafeName(key, '=')) return false;
        if (NeedsLineBreakEncoding(value)) {
            encoded.push_back(EncodeLineBreaks(value));
            lines.push_back({key, encoded.back()});
        } else {
            lines.push_back({key, value});
        }
    }
    Current().document.SetAll(section, lines);
    return Change(true);
}

bool ProfileStore::WriteInt(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool ProfileStore::DeleteKey(std::string_view section, std::string_view key) {
    if (!NamesUsable(section, key)) return false;
    const bool removed = Current().document.RemoveKey(section, key);
    return removed ? Change(true) : true;
}

bool ProfileStore::DeleteSection(std::string_view section) {
    if (path_.empty() || section.empty()) return false;
    const bool removed = Current().document.RemoveSection(section);
    return removed ? Change(true) : true;
}

std::vector<std::string> ProfileStore::SectionNames() const {
    if (path_.empty()) return {};
    return Current().document.SectionNames();
}

std::vector<std::string> ProfileStore::KeyNames(std::string_view section) const {
    if (path_.empty() || section.empty()) return {};
    return Current().document.KeyNames(section);
}

ProfileStore::Batch::Batch(ProfileStore& store) : store_(store) {
    Cache& cache = *store_.cache_;
    if (cache.batchDepth++ == 0) {
        cache.batchChecked = false;
        cache.writeFailed = false;
    }
}

bool ProfileStore::Batch::Commit() {
    Cache& cache = *store_.cache_;
    if (!committed_) {
        committed_ = true;
        if (--cache.batchDepth == 0) {
            cache.batchChecked = false;
            if (cache.dirty) store_.Flush();
        }
    }
    return !cache.writeFailed;
}

std::optional<StagedFile> ProfileStore::Batch::Stage() {
    Cache& cache = *store_.cache_;
    std::optional<StagedFile> staged;
    if (!committed_ && cache.batchDepth == 1 && !store_.path_.empty() && !store_.ReadFailed()) {
        staged = StagedFile::Write(store_.path_, store_.FileBytes());
    }
    Abandon();  // the store rereads the file once the staged content is installed, or not
    return staged;
}

void ProfileStore::Batch::Abandon() {
    Cache& cache = *store_.cache_;
    cache.dirty = false;
    cache.loaded = false;  // reread the file as it is on disk
    Commit();
}

ProfileStore::Batch::~Batch() {
    Commit();
}

}  // namespace vitalis
