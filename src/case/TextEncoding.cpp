#include "case/TextEncoding.h"

#include <cstdint>
#include <cstring>

namespace vitalis {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the valid UTF-8 sequence at s[i], or 0 when it is not one.
size_t Utf8SequenceLength(std::string_view s, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    if (c < 0x80) return 1;
    size_t length = 0;
    char32_t min = 0;
    if ((c & 0xE0) == 0xC0) {
        length = 2, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        length = 3, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        length = 4, min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size()) return 0;
    char32_t cp = c & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones map to the C1 controls as
// Windows itself converts them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The code point of the valid sequence of `length` bytes at s[i].
char32_t CodePointAt(std::string_view s, size_t i, size_t length) {
    char32_t cp = static_cast<unsigned char>(s[i]);
    if (length > 1) {
        cp &= (0x7F >> length);
        for (size_t k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    return cp;
}

char Windows1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (size_t k = 0; k < std::size(kCp1252High); ++k)
        if (kCp1252High[k] == cp) return static_cast<char>(0x80 + k);
    return '?';
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        // Plain ASCII eight bytes at a time: case files are almost all ASCII.
        if (i + 8 <= bytes.size()) {
            uint64_t word;
            std::memcpy(&word, bytes.data() + i, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else if (c < 0xA0) {
            AppendUtf8(out, kCp1252High[c - 0x80]);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const size_t length = Utf8SequenceLength(utf8, i);
        out += length == 0 ? '?' : Windows1252Byte(CodePointAt(utf8, i, length));
        i += length == 0 ? 1 : length;
    }
    return out;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() / 2);
    const size_t units = bytes.size() / 2;
    const auto unit = [&](size_t k) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * k]) |
                                     (static_cast<unsigned char>(bytes[2 * k + 1]) << 8));
    };
    for (size_t k = 0; k < units; ++k) {
        const char16_t u = unit(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
            const char16_t low = unit(k + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++k;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : char32_t{u});
    }
    if (bytes.size() % 2 != 0) AppendUtf8(out, kReplacement);
    return out;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    const auto put = [&](char16_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    size_t i = 0;
    while (i < utf8.size()) {
        const size_t length = Utf8SequenceLength(utf8, i);
        if (length == 0) {
            put(static_cast<char16_t>(kReplacement));
            ++i;
            continue;
        }
        char32_t cp = CodePointAt(utf8, i, length);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(static_cast<char16_t>(0xD800 + (cp >> 10)));
            put(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            put(static_cast<char16_t>(cp));
        }
        i += length;
    }
    return out;
}

namespace {

// Calls `line(text, end)` for each line of `text`: its content and its line end.
template <typename LineFn>
void ForEachLine(std::string_view text, LineFn line) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t newline = text.find('\n', start);
        const size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        size_t end = newline == std::string_view::npos ? text.size() : newline;
        if (end > start && text[end - 1] == '\r') --end;
        line(text.substr(start, end - start), text.substr(end, next - end));
        start = next;
    }
}

// Valid UTF-8 as it is; otherwise each line on its own.
void DecodeEightBit(std::string_view bytes, DecodedText& out) {
    if (IsValidUtf8(bytes)) {
        out.utf8 = std::string(bytes);
        return;
    }
    out.utf8.reserve(bytes.size() + bytes.size() / 8);
    ForEachLine(bytes, [&](std::string_view line, std::string_view end) {
        if (IsValidUtf8(line)) {
            out.utf8 += line;
        } else {
            std::string decoded = Windows1252ToUtf8(line);
            out.utf8 += decoded;
            out.originals.emplace(std::move(decoded), std::string(line));
        }
        out.utf8 += end;
    });
}

std::string RestoreOriginalLines(std::string_view utf8, const OriginalLines& originals) {
    if (originals.empty()) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    ForEachLine(utf8, [&](std::string_view line, std::string_view end) {
        const auto found = originals.find(std::string(line));
        out += found == originals.end() ? line : std::string_view(found->second);
        out += end;
    });
    return out;
}

}  // namespace

DecodedText DecodeFileText(std::string_view bytes) {
    DecodedText decoded;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        decoded.utf8 = Utf16LeToUtf8(bytes.substr(2));
        decoded.encoding = FileEncoding::Utf16Le;
        return decoded;
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        decoded.encoding = FileEncoding::Utf8WithBom;
        bytes.remove_prefix(3);
    }
    DecodeEightBit(bytes, decoded);
    return decoded;
}

std::string EncodeFileText(std::string_view utf8, FileEncoding encoding,
                           const OriginalLines& originals) {
    switch (encoding) {
        case FileEncoding::Utf16Le:
            return "\xFF\xFE" + Utf8ToUtf16Le(utf8);
        case FileEncoding::Utf8WithBom:
            return "\xEF\xBB\xBF" + RestoreOriginalLines(utf8, originals);
        case FileEncoding::Utf8:
            break;
    }
    return RestoreOriginalLines(utf8, originals);
}

}  // namespace vitalis
