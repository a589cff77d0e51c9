#include "device/heron/HeronPackets.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "case/ResultCodes.h"
#include "case/TextEncoding.h"
#include "device/link/HighBitPacking.h"

namespace vitalis {
namespace {

constexpr size_t kMeasurementBody = 21;
constexpr size_t kAddressBody = 7;
constexpr size_t kCountBody = 5;
constexpr size_t kHeaderBody = 72;

uint8_t At(std::span<const uint8_t> area, size_t i) {
    return i < area.size() ? area[i] : 0;
}

int Word(std::span<const uint8_t> area, size_t i) {
    return At(area, i) << 8 | At(area, i + 1);
}

// The packed bodies contain no zero byte (every packed byte has bit 7 set and the markers are
// not zero), so a whole body is a run of exactly its length of non-zero bytes after the type.
bool BodyIsWhole(std::span<const uint8_t> area, size_t bodyLength) {
    for (size_t i = 1; i <= bodyLength; ++i) {
        if (At(area, i) == 0) return false;
    }
    return At(area, bodyLength + 1) == 0;
}

// Unpacks the groups that start at the given area positions; each runs to the next start.
bool UnpackGroups(std::span<const uint8_t> area, std::span<const std::pair<size_t, size_t>> groups,
                  std::vector<uint8_t>& raw) {
    bool good = true;
    for (const auto& [first, length] : groups) {
        std::array<uint8_t, 8> group{};
        for (size_t i = 0; i < length; ++i) group[i] = At(area, first + i);
        if (!UnpackGroup(std::span(group).first(length), raw)) good = false;
    }
    return good;
}

HeronPacket DecodeMeasurement(std::span<const uint8_t> area, const TextSource& texts) {
    // Three groups (6, 6 and 3 data bytes) with the markers 0x08 and 0x09 between them and a
    // zero at the end.
    if (!BodyIsWhole(area, kMeasurementBody - 1) || At(area, 8) != 0x08 || At(area, 16) != 0x09)
        return HeronIgnored{};
    static constexpr std::array<std::pair<size_t, size_t>, 3> kGroups{{{1, 7}, {9, 7}, {17, 4}}};
    std::vector<uint8_t> raw;
    if (!UnpackGroups(area, kGroups, raw) || raw.size() != 15) return HeronIgnored{};
    Measurement m;
    m.year = raw[0] << 8 | raw[1];
    m.month = raw[2];
    m.day = raw[3];
    m.hour = raw[4];
    m.minute = raw[5];
    m.sys = raw[6] << 8 | raw[7];
    m.map = raw[8] << 8 | raw[9];
    m.dia = raw[10] << 8 | raw[11];
    m.pr = raw[12] << 8 | raw[13];
    m.status = raw[14];
    m.remark = FailureText(m.status, texts);
    m.valid = IsSuccessfulStatus(m.status) ? 1 : 0;
    return m;
}

HeronPacket DecodeAddress(std::span<const uint8_t> area) {
    if (!BodyIsWhole(area, kAddressBody)) return HeronIgnored{};
    static constexpr std::array<std::pair<size_t, size_t>, 1> kGroups{{{1, 7}}};
    std::vector<uint8_t> raw;
    if (!UnpackGroups(area, kGroups, raw) || raw.size() != 6) return HeronIgnored{};
    char text[13];
    std::snprintf(text, sizeof text, "%02x%02x%02x%02x%02x%02x", raw[0], raw[1], raw[2], raw[3],
                  raw[4], raw[5]);
    return HeronAddress{text, At(area, kAddressBody) == 0xFF};
}

HeronPacket DecodeCount(std::span<const uint8_t> area) {
    if (!BodyIsWhole(area, kCountBody)) return HeronIgnored{};
    static constexpr std::array<std::pair<size_t, size_t>, 1> kGroups{{{1, 5}}};
    std::vector<uint8_t> raw;
    if (!UnpackGroups(area, kGroups, raw) || raw.size() != 4) return HeronIgnored{};
    return HeronCount{static_cast<uint32_t>(raw[0]) << 24 | static_cast<uint32_t>(raw[1]) << 16 |
                      static_cast<uint32_t>(raw[2]) << 8 | raw[3]};
}

ClockTime ClockAt(std::span<const uint8_t> area, size_t first) {
    return {Word(area, first), At(area, first + 2), At(area, first + 3), At(area, first + 4),
            At(area, first + 5)};
}

// Positions are the header's own byte numbers: the type byte sits at 0 in the area.
HeronPacket DecodeHeader(std::span<const uint8_t> area) {
    if (area.size() < kHeaderBody + 1) return HeronIgnored{};
    HeronHeader h;
    h.patientName = FixedWidthText(area.subspan(1, 30));
    h.patientId = FixedWidthText(area.subspan(31, 11));
    h.programmedAt = ClockAt(area, 42);
    h.firstMeasurement = ClockAt(area, 48);
    h.optionA = At(area, 56);
    h.optionB = At(area, 57);
    h.awakeHour = At(area, 58);
    h.awakeMin = At(area, 59);
    h.awakeInterval = At(area, 60);
    h.asleepHour = At(area, 61);
    h.asleepMin = At(area, 62);
    h.asleepInterval = At(area, 63);
    h.specialStartHour = At(area, 64);
    h.specialStartMin = At(area, 65);
    h.specialInterval = At(area, 66);
    h.specialEndHour = At(area, 67);
    h.specialEndMin = At(area, 68);
    h.firstPeriod = At(area, 70);
    h.storedCount = Word(area, 71);
    return h;
}

}  // namespace

std::optional<size_t> HeronBodyLength(uint8_t type) {
    switch (type) {
        case kHeronMeasurementPacket:
            return kMeasurementBody;
        case kHeronAddressPacket:
            return kAddressBody;
        case kHeronCountPacket:
            return kCountBody;
        case kHeronHeaderPacket:
            return kHeaderBody;
        default:
            return std::nullopt;
    }
}

HeronPacket DecodeHeronPacket(std::span<const uint8_t> area, const TextSource& texts) {
    switch (At(area, 0)) {
        case kHeronMeasurementPacket:
            return DecodeMeasurement(area, texts);
        case kHeronAddressPacket:
            return DecodeAddress(area);
        case kHeronCountPacket:
            return DecodeCount(area);
        case kHeronHeaderPacket:
            return DecodeHeader(area);
        default:
            return HeronIgnored{};
    }
}

std::string FixedWidthText(std::span<const uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), uint8_t{0});
    return Windows1252ToUtf8(std::string(field.begin(), end));
}

void PutFixedWidthText(std::span<uint8_t> field, std::string_view utf8) {
    const std::string bytes = Utf8ToWindows1252(utf8);
    std::fill(field.begin(), field.end(), uint8_t{0});
    std::copy_n(bytes.begin(), std::min(bytes.size(), field.size()), field.begin());
}

}  // namespace vitalis
