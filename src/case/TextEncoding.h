#pragma once

#include <string>
#include <string_view>

namespace vitalis {

// How a settings or case file stores its text. Files we create are UTF-8; a file that
// starts with the UTF-16LE byte-order mark keeps that form when we update it.
enum class FileEncoding {
    Utf8,         // also what 8-bit files in Windows-1252 become when rewritten
    Utf8WithBom,  // kept so that an editor's BOM survives our updates
    Utf16Le,      // with byte-order mark
};

struct DecodedText {
    std::string utf8;
    FileEncoding encoding = FileEncoding::Utf8;
};

// Bytes of a file → UTF-8 text. 8-bit bytes that are not valid UTF-8 are taken as
// Windows-1252, so files written by older 8-bit programs still read correctly.
DecodedText DecodeFileText(std::string_view bytes);

// UTF-8 text → bytes in the given encoding (with its byte-order mark where it has one).
std::string EncodeFileText(std::string_view utf8, FileEncoding encoding);

bool IsValidUtf8(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);
// The inverse, for the monitors' single-byte texts: a character Windows-1252 has no byte for
// (and any byte that is not UTF-8) becomes "?".
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Utf16LeToUtf8(std::string_view bytes);  // bytes after the byte-order mark
std::string Utf8ToUtf16Le(std::string_view utf8);   // without byte-order mark

}  // namespace vitalis
