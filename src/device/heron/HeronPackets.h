#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "case/CalendarTime.h"
#include "case/Measurement.h"
#include "case/MonitorSchedule.h"
#include "case/TextSource.h"

namespace vitalis {

// After the open the Heron monitor sends typed packets: one type byte, then a body whose
// length the type fixes. The reader keeps them in a receive area that is cleared before each
// packet, so a body is always followed by zero bytes.
//
// A monitor sends a data set as address, header, count and then one packet per reading, but
// nothing here depends on that order: each packet is decoded on its own, and the download
// keeps the latest address and header it has seen.
inline constexpr uint8_t kHeronMeasurementPacket = 0x07;
inline constexpr uint8_t kHeronAddressPacket = 0x12;
inline constexpr uint8_t kHeronCountPacket = 0x16;
inline constexpr uint8_t kHeronHeaderPacket = 0x55;
inline constexpr size_t kHeronAreaSize = 80;  // the type byte and the longest body, with room

// Body length of a packet type; nothing for a type the monitor never sends.
std::optional<size_t> HeronBodyLength(uint8_t type);

// 0x12: the monitor's own six-byte address as twelve lower-case hex digits. When the last
// body byte is 0xFF the records that follow belong in a single case file rather than being
// filed by month.
struct HeronAddress {
    std::string text;
    bool singleFile = false;
};

// 0x16: how many records the monitor is about to send. Only a hint: nothing is sized by it.
struct HeronCount {
    uint32_t records = 0;
};

// 0x55: the header. Its first seventy bytes echo the programming block the workstation wrote
// at the last upload, so the bytes the monitor does not explain are read by that layout: the
// clock at programming, the start of the first measurement (the test begin), the two option
// bytes, the special period and the period of the first measurement. The last two bytes are
// the number of stored measurements.
struct HeronHeader {
    std::string patientName;
    std::string patientId;
    ClockTime programmedAt;
    ClockTime firstMeasurement;
    int optionA = 0;
    int optionB = 0;
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
    int firstPeriod = 0;
    int storedCount = 0;

    int awakeStart() const { return awakeHour * 60 + awakeMin; }
    int asleepStart() const { return asleepHour * 60 + asleepMin; }
    // The schedule bytes read as a schedule.
    MonitorSchedule schedule() const {
        return ScheduleFromBytes({awakeHour, awakeMin, awakeInterval, asleepHour, asleepMin,
                                  asleepInterval, specialStartHour, specialStartMin,
                                  specialInterval, specialEndHour, specialEndMin});
    }
};

// A packet whose body failed its checks. The data phase skips it and goes on.
struct HeronIgnored {};

using HeronPacket = std::variant<HeronIgnored, Measurement, HeronAddress, HeronCount, HeronHeader>;

// Decodes the receive area: the type byte first, then the body. Bytes past the end of the
// span count as the zeros of a cleared area. A measurement's remark is the failure text of
// its result code; its index and offset are left to the caller.
HeronPacket DecodeHeronPacket(std::span<const uint8_t> area, const TextSource& texts);

// Single-byte text of a fixed-width field, up to its first zero, as UTF-8.
std::string FixedWidthText(std::span<const uint8_t> field);
// UTF-8 text into a fixed-width field as the monitor's single-byte text: cut to the field,
// the rest zero.
void PutFixedWidthText(std::span<uint8_t> field, std::string_view utf8);

}  // namespace vitalis
