#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace vitalis {

// How a settings or case file stores its text. Files we create are UTF-8; a file that
// starts with the UTF-16LE byte-order mark keeps that form when we update it.
enum class FileEncoding {
    Utf8,         // also 8-bit files: lines in Windows-1252 keep their bytes (see below)
    Utf8WithBom,  // kept so that an editor's BOM survives our updates
    Utf16Le,      // with byte-order mark
};

// The lines of an 8-bit file that were not UTF-8 (read as Windows-1252), each by the UTF-8
// text it was read as (without its line end), with its own bytes. A line written back
// unchanged gets those bytes again, so a save never alters a value nobody edited; a line that
// was edited is written as UTF-8.
using OriginalLines = std::unordered_map<std::string, std::string>;

struct DecodedText {
    std::string utf8;
    FileEncoding encoding = FileEncoding::Utf8;
    OriginalLines originals;
};

// Bytes of a file → UTF-8 text, line by line: a line that is valid UTF-8 is taken as such,
// any other as Windows-1252 (as older 8-bit programs wrote it), so one stray byte spoils no
// other value.
DecodedText DecodeFileText(std::string_view bytes);

// UTF-8 text → bytes in the given encoding (with its byte-order mark where it has one); the
// lines found in `originals` as they were read.
std::string EncodeFileText(std::string_view utf8, FileEncoding encoding,
                           const OriginalLines& originals = {});

bool IsValidUtf8(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);
// The inverse, for the monitors' single-byte texts: a character Windows-1252 has no byte for
// (and any byte that is not UTF-8) becomes "?".
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Utf16LeToUtf8(std::string_view bytes);  // bytes after the byte-order mark
std::string Utf8ToUtf16Le(std::string_view utf8);   // without byte-order mark

}  // namespace vitalis
