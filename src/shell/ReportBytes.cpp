#include "shell/ReportBytes.h"

#include <bit>
#include <cstring>

#include "case/TextEncoding.h"

namespace vitalis {

namespace {

void AppendLittleEndian(std::string& out, uint64_t value, int width) {
    for (int i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint64_t ReadLittleEndian(std::string_view bytes, size_t at, int width) {
    uint64_t value = 0;
    for (int i = 0; i < width; ++i)
        value |= static_cast<uint64_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
    return value;
}

}  // namespace

void ByteWriter::Int(int value) {
    AppendLittleEndian(bytes_, static_cast<uint32_t>(value), 4);
}

void ByteWriter::Double(double value) {
    AppendLittleEndian(bytes_, std::bit_cast<uint64_t>(value), 8);
}

void ByteWriter::Byte(uint8_t value) {
    bytes_.push_back(static_cast<char>(value));
}

void ByteWriter::String(std::string_view utf8) {
    const std::string text = Utf8ToUtf16Le(utf8);
    Int(static_cast<int>(text.size()));
    bytes_ += text;
}

void ByteWriter::CharacterString(std::string_view utf8) {
    const std::string text = Utf8ToUtf16Le(utf8);
    Int(static_cast<int>(text.size() / 2));
    bytes_ += text;
}

void ByteReader::Fail(std::string error) {
    if (error_.empty()) error_ = std::move(error);
}

bool ByteReader::Take(size_t count, std::string_view what) {
    if (failed()) return false;
    if (count > remaining()) {
        Fail("the file ends inside " + std::string(what) + " at byte " + std::to_string(position_));
        return false;
    }
    return true;
}

int ByteReader::Int() {
    if (!Take(4, "a number")) return 0;
    const auto value = static_cast<uint32_t>(ReadLittleEndian(bytes_, position_, 4));
    position_ += 4;
    return static_cast<int>(value);
}

double ByteReader::Double() {
    if (!Take(8, "a number")) return 0.0;
    const uint64_t value = ReadLittleEndian(bytes_, position_, 8);
    position_ += 8;
    return std::bit_cast<double>(value);
}

uint8_t ByteReader::Byte() {
    if (!Take(1, "a byte")) return 0;
    return static_cast<uint8_t>(bytes_[position_++]);
}

std::string ByteReader::Utf16Text(int byteLength) {
    if (failed()) return {};
    if (byteLength < 0 || byteLength > 2 * kMaxStringCharacters || byteLength % 2 != 0) {
        Fail("a text at byte " + std::to_string(position_) + " has the impossible length " +
             std::to_string(byteLength));
        return {};
    }
    if (!Take(static_cast<size_t>(byteLength), "a text")) return {};
    std::string text = Utf16LeToUtf8(bytes_.substr(position_, static_cast<size_t>(byteLength)));
    position_ += static_cast<size_t>(byteLength);
    return text;
}

std::string ByteReader::String() {
    return Utf16Text(Int());
}

std::string ByteReader::CharacterString() {
    const int characters = Int();
    if (characters < 0 || characters > kMaxStringCharacters) return Utf16Text(-1);
    return Utf16Text(characters * 2);
}

int ByteReader::Count(int max, int minBytesEach) {
    const int count = Int();
    if (failed()) return 0;
    const bool fits = count >= 0 && count <= max &&
                      static_cast<size_t>(count) * static_cast<size_t>(minBytesEach) <= remaining();
    if (!fits) {
        Fail("the count " + std::to_string(count) + " at byte " + std::to_string(position_ - 4) +
             " does not fit the file");
        return 0;
    }
    return count;
}

}  // namespace vitalis
