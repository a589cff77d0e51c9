#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vitalis {

// The building blocks of the report program's files: little-endian 4-byte ints, 8-byte
// IEEE doubles, single bytes, and UTF-16LE strings after a 4-byte length. Text in memory
// is UTF-8.
class ByteWriter {
  public:
    void Int(int value);
    void Double(double value);
    void Byte(uint8_t value);
    // Length in bytes (twice the characters), then the text.
    void String(std::string_view utf8);
    // Length in characters, then the text: the remark of a reading.
    void CharacterString(std::string_view utf8);

    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

// Reads what ByteWriter wrote from bytes that come from outside: every length is checked
// against the bytes that are left (and a ceiling) before anything is allocated. After the
// first failure every read gives a zero value and failed() stays true, so a record is read
// to its end and judged once.
class ByteReader {
  public:
    // No string in these files is longer than this many characters.
    static constexpr int kMaxStringCharacters = 65536;

    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    int Int();
    double Double();
    uint8_t Byte();
    std::string String();
    std::string CharacterString();
    // A count announced by the file that must lie in [0, max] and leave room for `minBytesEach`
    // bytes per item; otherwise 0 and the reader fails.
    int Count(int max, int minBytesEach);

    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    bool AtEnd() const { return position_ == bytes_.size(); }
    size_t remaining() const { return bytes_.size() - position_; }
    void Fail(std::string error);

  private:
    bool Take(size_t count, std::string_view what);
    std::string Utf16Text(int byteLength);

    std::string_view bytes_;
    size_t position_ = 0;
    std::string error_;
};

}  // namespace vitalis
