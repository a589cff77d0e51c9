#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "case/CalendarTime.h"
#include "case/Measurement.h"
#include "case/MonitorSchedule.h"
#include "case/TextSource.h"

namespace vitalis {

// Blocks of the HID-generation protocol. A block whose bytes may exceed 0x7F travels packed
// behind a two-byte prefix: a marker letter and the device type, which must be the type the
// monitor gave at identification.
inline constexpr size_t kBlockPrefixLength = 2;
inline constexpr size_t kSettingsRawLength = 70;
inline constexpr size_t kMeasurementHeaderRawLength = 10;
inline constexpr size_t kOxygenHeaderRawLength = 12;
inline constexpr size_t kRecordRawLength = 10;
inline constexpr uint8_t kMeasurementHeaderMarker = 0x46;  // "F"
inline constexpr uint8_t kOxygenHeaderMarker = 0x47;       // "G"
// The monitor answers the settings request with the same letter the workstation uses to
// write them.
inline constexpr uint8_t kSettingsBlockMarker = 0x44;  // "D"

// Bytes of each frame on the wire.
size_t SettingsFrameLength();           // prefix and 70 packed bytes: 82
size_t MeasurementHeaderFrameLength();  // prefix and 10 packed bytes: 14
size_t OxygenHeaderFrameLength();       // prefix and 12 packed bytes: 16
// Each record travels on its own, packed and without a prefix: the record count of the header
// says how many follow, and reading them one at a time keeps one record per report.
size_t RecordFrameLength();  // 12

// The patient and settings block as the monitor reports it.
struct HidSettings {
    std::string patientName;
    std::string patientId;
    ClockTime start;  // when the recording began
    int setting47 = 0;
    int awakeHour = 0;
    int awakeMin = 0;
    int awakeInterval = 0;
    int asleepHour = 0;
    int asleepMin = 0;
    int asleepInterval = 0;
    int specialStartHour = 0;
    int specialStartMin = 0;
    int specialInterval = 0;
    int specialEndHour = 0;
    int specialEndMin = 0;
    int option = 0xFF;  // a monitor that reports 0 means 0xFF
    int setting62 = 0;  // 16-bit
    int setting66 = 0;

    int awakeStart() const { return awakeHour * 60 + awakeMin; }
    int asleepStart() const { return asleepHour * 60 + asleepMin; }
    // The schedule bytes read as a schedule.
    MonitorSchedule schedule() const {
        return ScheduleFromBytes({awakeHour, awakeMin, awakeInterval, asleepHour, asleepMin,
                                  asleepInterval, specialStartHour, specialStartMin,
                                  specialInterval, specialEndHour, specialEndMin});
    }
};

struct HidMeasurementHeader {
    int recordCount = 0;
    ClockTime start;
};

// The oxygen-saturation header; the samples themselves are not read.
struct HidOxygenHeader {
    int sampleCount = 0;  // 24 bits
    int type = 0;         // 1 or 2
    int value = 0;        // kept for type 1
};

HidSettings DecodeSettings(std::span<const uint8_t, kSettingsRawLength> raw);
std::array<uint8_t, kSettingsRawLength> EncodeSettings(const HidSettings& settings);

// Whole frames as received: prefix checked, unpacked (the result must be good), decoded.
// The settings prefix letter is not insisted on, only that it is not a packed byte.
std::optional<HidSettings> DecodeSettingsFrame(std::span<const uint8_t> frame, int deviceType);
std::optional<HidMeasurementHeader> DecodeMeasurementHeaderFrame(std::span<const uint8_t> frame,
                                                                 int deviceType);
std::optional<HidOxygenHeader> DecodeOxygenHeaderFrame(std::span<const uint8_t> frame,
                                                       int deviceType);

// One record: the clock is the header's start plus the record's offset; the reading counts
// only when its result code is 0 or 3.
std::optional<Measurement> DecodeRecordFrame(std::span<const uint8_t> frame, const ClockTime& start,
                                             const TextSource& texts);

// The other direction, for the monitor side of the simulator and for tests.
std::array<uint8_t, kRecordRawLength> EncodeRecord(const Measurement& m);
std::array<uint8_t, kMeasurementHeaderRawLength> EncodeMeasurementHeader(
    const HidMeasurementHeader& header);

}  // namespace vitalis
