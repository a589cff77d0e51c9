#include "case/ReadingText.h"

#include <cstdlib>

namespace vitalis {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

// Characters beyond the end of a short text read as the digit 0.
int HexField(std::string_view text, size_t begin, size_t length) {
    int value = 0;
    for (size_t i = begin; i < begin + length; ++i) {
        value = value * 16 + (i < text.size() ? HexDigit(text[i]) : 0);
    }
    return value;
}

// A field wider than its columns would shift every later field: such a value is stored
// as 0 instead, which every reader takes as a failed value.
int Fit(int value, int digits) {
    const int limit = 1 << (4 * digits);
    return (value >= 0 && value < limit) ? value : 0;
}

// Upper-case hex digits of value into out[0..digits), most significant first.
void PutHex(char* out, int value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int i = digits - 1; i >= 0; --i) {
        out[i] = kDigits[value & 0xF];
        value >>= 4;
    }
}

char ModeCharacter(int mode) {
    return mode == 1 ? '1' : mode == 2 ? '2' : '0';
}

}  // namespace

Measurement ParseReadingText(std::string_view text, int index, const ClockTime& testBegin) {
    Measurement m;
    m.index = index;
    if (text.empty()) {
        m.valid = 1;
        return m;
    }
    m.sys = HexField(text, 2, 4);
    m.dia = HexField(text, 6, 2);
    m.pr = HexField(text, 8, 2);
    m.map = HexField(text, 10, 2);
    m.status = HexField(text, 16, 2);
    int offset = (HexField(text, 0, 2) << 16) | HexField(text, 12, 4);
    if (text.size() > 24 && text[24] == '1') offset = -offset;
    m.offsetMinutes = offset;
    const char modeChar = text.size() > 18 ? text[18] : '0';
    m.mode = modeChar == '1' ? 1 : modeChar == '2' ? 2 : 0;
    const bool excluded = text.size() > kExclusionMarkPosition &&
                          std::atoi(std::string(1, text[kExclusionMarkPosition]).c_str()) != 0;
    const bool ordered = m.sys > m.map && m.map > m.dia && m.dia > 0 && m.sys < 400;
    m.valid = (!excluded && ordered) ? 1 : 0;
    m.SetClock(AddMinutes(testBegin, offset));
    return m;
}

std::string FormatReadingText(const Measurement& m) {
    std::string text;
    AppendReadingText(text, m);
    return text;
}

void AppendReadingText(std::string& out, const Measurement& m) {
    int sys = m.sys > 270 ? 0 : m.sys;
    int dia = m.dia;
    int map = m.map;
    if (sys <= map || map <= dia || Fit(dia, 2) != dia || Fit(map, 2) != map) {
        sys = dia = map = 0;
    }
    const int offset = m.offsetMinutes < 0 ? -m.offsetMinutes : m.offsetMinutes;
    const int magnitude = Fit(offset, 6);
    const char exclusion = IsSuccessfulStatus(m.status) ? (m.valid == 0 ? '1' : '0') : '1';
    const size_t at = out.size();
    out.append(26, '0');
    char* text = out.data() + at;
    PutHex(&text[0], (magnitude >> 16) & 0xFF, 2);
    PutHex(&text[2], Fit(sys, 4), 4);
    PutHex(&text[6], Fit(dia, 2), 2);
    PutHex(&text[8], Fit(m.pr, 2), 2);
    PutHex(&text[10], Fit(map, 2), 2);
    PutHex(&text[12], magnitude & 0xFFFF, 4);
    PutHex(&text[16], Fit(m.status, 2), 2);
    text[18] = ModeCharacter(m.mode);
    text[kExclusionMarkPosition] = exclusion;
    text[24] = m.offsetMinutes < 0 ? '1' : '0';
}

std::string FormatShortReadingText(const Measurement& m, bool failed) {
    if (m.offsetMinutes < 0 || m.offsetMinutes > 0xFFFF) {
        Measurement copy = m;
        if (failed) copy.valid = 0;
        return FormatReadingText(copy);
    }
    // Characters 0-1, 18-21 and 23-24 stay "0"; a failed reading keeps only time and code.
    std::string text(25, '0');
    if (!failed) {
        PutHex(&text[2], Fit(m.sys, 4), 4);
        PutHex(&text[6], Fit(m.dia, 2), 2);
        PutHex(&text[8], Fit(m.pr, 2), 2);
        PutHex(&text[10], Fit(m.map, 2), 2);
    }
    PutHex(&text[12], m.offsetMinutes, 4);
    PutHex(&text[16], Fit(m.status, 2), 2);
    text[kExclusionMarkPosition] = failed ? '1' : '0';
    return text;
}

}  // namespace vitalis
