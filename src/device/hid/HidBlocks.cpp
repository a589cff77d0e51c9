#include "device/hid/HidBlocks.h"

#include <algorithm>
#include <vector>

#include "case/ResultCodes.h"
#include "device/heron/HeronPackets.h"
#include "device/link/HighBitPacking.h"

namespace vitalis {
namespace {

// Checks the prefix and unpacks what follows to exactly rawLength bytes.
std::optional<std::vector<uint8_t>> UnpackFrame(std::span<const uint8_t> frame,
                                                std::optional<uint8_t> marker, int deviceType,
                                                size_t rawLength) {
    if (frame.size() != kBlockPrefixLength + PackedLength(rawLength)) return std::nullopt;
    if (marker ? frame[0] != *marker : (frame[0] & 0x80) != 0) return std::nullopt;
    if (frame[1] != deviceType) return std::nullopt;
    std::vector<uint8_t> raw;
    if (UnpackHighBits(frame.subspan(kBlockPrefixLength), raw, rawLength) != UnpackResult::Good)
        return std::nullopt;
    return raw;
}

}  // namespace

size_t SettingsFrameLength() {
    return kBlockPrefixLength + PackedLength(kSettingsRawLength);
}
size_t MeasurementHeaderFrameLength() {
    return kBlockPrefixLength + PackedLength(kMeasurementHeaderRawLength);
}
size_t OxygenHeaderFrameLength() {
    return kBlockPrefixLength + PackedLength(kOxygenHeaderRawLength);
}
size_t RecordFrameLength() {
    return PackedLength(kRecordRawLength);
}

HidSettings DecodeSettings(std::span<const uint8_t, kSettingsRawLength> raw) {
    HidSettings s;
    s.patientName = FixedWidthText(raw.subspan(0, 30));
    s.patientId = FixedWidthText(raw.subspan(30, 11));
    s.start = {raw[41] << 8 | raw[42], raw[43], raw[44], raw[45], raw[46]};
    s.setting47 = raw[47];
    s.awakeHour = raw[48];
    s.awakeMin = raw[49];
    s.awakeInterval = raw[50];
    s.asleepHour = raw[51];
    s.asleepMin = raw[52];
    s.asleepInterval = raw[53];
    s.specialStartHour = raw[54];
    s.specialStartMin = raw[55];
    s.specialInterval = raw[56];
    s.specialEndHour = raw[57];
    s.specialEndMin = raw[58];
    s.option = raw[60] == 0 ? 0xFF : raw[60];
    s.setting62 = raw[62] << 8 | raw[63];
    s.setting66 = raw[66];
    return s;
}

std::array<uint8_t, kSettingsRawLength> EncodeSettings(const HidSettings& s) {
    std::array<uint8_t, kSettingsRawLength> raw{};
    PutFixedWidthText(std::span(raw).subspan(0, 30), s.patientName);
    PutFixedWidthText(std::span(raw).subspan(30, 11), s.patientId);
    raw[41] = static_cast<uint8_t>(s.start.year >> 8);
    raw[42] = static_cast<uint8_t>(s.start.year);
    const int rest[] = {s.start.month,     s.start.day,       s.start.hour,     s.start.minute,
                        s.setting47,       s.awakeHour,       s.awakeMin,       s.awakeInterval,
                        s.asleepHour,      s.asleepMin,       s.asleepInterval, s.specialStartHour,
                        s.specialStartMin, s.specialInterval, s.specialEndHour, s.specialEndMin};
    for (size_t i = 0; i < std::size(rest); ++i) raw[43 + i] = static_cast<uint8_t>(rest[i]);
    raw[60] = static_cast<uint8_t>(s.option);
    raw[62] = static_cast<uint8_t>(s.setting62 >> 8);
    raw[63] = static_cast<uint8_t>(s.setting62);
    raw[66] = static_cast<uint8_t>(s.setting66);
    return raw;
}

std::optional<HidSettings> DecodeSettingsFrame(std::span<const uint8_t> frame, int deviceType) {
    const auto raw = UnpackFrame(frame, std::nullopt, deviceType, kSettingsRawLength);
    if (!raw) return std::nullopt;
    return DecodeSettings(std::span<const uint8_t, kSettingsRawLength>(raw->data(), raw->size()));
}

std::optional<HidMeasurementHeader> DecodeMeasurementHeaderFrame(std::span<const uint8_t> frame,
                                                                 int deviceType) {
    const auto raw =
        UnpackFrame(frame, kMeasurementHeaderMarker, deviceType, kMeasurementHeaderRawLength);
    if (!raw) return std::nullopt;
    const auto& r = *raw;
    HidMeasurementHeader header;
    header.recordCount = r[0] << 8 | r[1];
    header.start = {r[3] << 8 | r[4], r[5], r[6], r[7], r[8]};
    return header;
}

std::optional<HidOxygenHeader> DecodeOxygenHeaderFrame(std::span<const uint8_t> frame,
                                                       int deviceType) {
    const auto raw = UnpackFrame(frame, kOxygenHeaderMarker, deviceType, kOxygenHeaderRawLength);
    if (!raw) return std::nullopt;
    const auto& r = *raw;
    HidOxygenHeader header;
    header.sampleCount = r[0] << 16 | r[1] << 8 | r[2];
    header.type = r[3];
    if (header.type == 1) header.value = r[4] << 8 | r[5];
    return header;
}

std::optional<Measurement> DecodeRecordFrame(std::span<const uint8_t> frame, const ClockTime& start,
                                             const TextSource& texts) {
    if (frame.size() != RecordFrameLength()) return std::nullopt;
    std::vector<uint8_t> r;
    if (UnpackHighBits(frame, r, kRecordRawLength) != UnpackResult::Good) return std::nullopt;
    Measurement m;
    m.sys = r[0] << 8 | r[1];
    m.dia = r[2];
    m.map = r[3];
    m.pr = r[4];
    m.offsetMinutes = r[5] << 16 | r[6] << 8 | r[7];
    m.status = r[8];
    m.extra = r[9];
    m.SetClock(AddMinutes(start, m.offsetMinutes));
    m.valid = IsSuccessfulStatus(m.status) ? 1 : 0;
    m.remark = FailureText(m.status, texts);
    return m;
}

std::array<uint8_t, kRecordRawLength> EncodeRecord(const Measurement& m) {
    return {static_cast<uint8_t>(m.sys >> 8),
            static_cast<uint8_t>(m.sys),
            static_cast<uint8_t>(m.dia),
            static_cast<uint8_t>(m.map),
            static_cast<uint8_t>(m.pr),
            static_cast<uint8_t>(m.offsetMinutes >> 16),
            static_cast<uint8_t>(m.offsetMinutes >> 8),
            static_cast<uint8_t>(m.offsetMinutes),
            static_cast<uint8_t>(m.status),
            static_cast<uint8_t>(m.extra)};
}

std::array<uint8_t, kMeasurementHeaderRawLength> EncodeMeasurementHeader(
    const HidMeasurementHeader& h) {
    return {static_cast<uint8_t>(h.recordCount >> 8),
            static_cast<uint8_t>(h.recordCount),
            0,
            static_cast<uint8_t>(h.start.year >> 8),
            static_cast<uint8_t>(h.start.year),
            static_cast<uint8_t>(h.start.month),
            static_cast<uint8_t>(h.start.day),
            static_cast<uint8_t>(h.start.hour),
            static_cast<uint8_t>(h.start.minute),
            0};
}

}  // namespace vitalis
