// The HID-generation blocks as they travel, byte for byte, written out by hand from the block
// layouts and the high-bit packing, so that the decoders and the encoders are each held to the
// layout rather than to one another.
#include <gtest/gtest.h>

#include <vector>

#include "DeviceTestSupport.h"
#include "device/hid/HidBlocks.h"
#include "device/link/HighBitPacking.h"
#include "support/CaseFixtures.h"

namespace vitalis {
namespace {

using test::KeyTexts;

constexpr int kDeviceType = 3;

// sys 200 (00 C8), dia 95, map 120, pr 72, offset 300 minutes (00 01 2C), status 0, extra 0.
// Only 0xC8 (raw byte 1) has bit 7, so the first group's head is 0x82.
const std::vector<uint8_t> kRecordRaw{0x00, 0xC8, 0x5F, 0x78, 0x48, 0x00, 0x01, 0x2C, 0x00, 0x00};
const std::vector<uint8_t> kRecordFrame{0x82, 0x80, 0xC8, 0xDF, 0xF8, 0xC8,
                                        0x80, 0x81, 0x80, 0xAC, 0x80, 0x80};

// "F", the device type, then 42 records (00 2A), an unused byte, 2026-12-07 08:00 and an unused
// byte, packed; 0xEA (raw byte 4) gives the head 0x90.
const std::vector<uint8_t> kHeaderFrame{0x46, kDeviceType, 0x90, 0x80, 0xAA, 0x80, 0x87,
                                        0xEA, 0x8C,        0x87, 0x80, 0x88, 0x80, 0x80};

const ClockTime kStart{2026, 12, 7, 8, 0};

TEST(HidWireBytes, RecordFieldsSitWhereTheLayoutPutsThem) {
    const auto m = DecodeRecordFrame(kRecordFrame, kStart, KeyTexts());
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->sys, 200);
    EXPECT_EQ(m->dia, 95);
    EXPECT_EQ(m->map, 120);
    EXPECT_EQ(m->pr, 72);
    EXPECT_EQ(m->offsetMinutes, 300);
    EXPECT_EQ(m->status, 0);
    EXPECT_EQ(m->valid, 1);
    EXPECT_EQ(m->hour, 13);
    EXPECT_EQ(m->minute, 0);
}

TEST(HidWireBytes, TheEncoderWritesTheSameRecord) {
    Measurement m;
    m.sys = 200, m.dia = 95, m.map = 120, m.pr = 72, m.offsetMinutes = 300;
    const auto raw = EncodeRecord(m);
    EXPECT_EQ(std::vector<uint8_t>(raw.begin(), raw.end()), kRecordRaw);
    EXPECT_EQ(PackHighBits(kRecordRaw), kRecordFrame);
}

TEST(HidWireBytes, APackedByteWithBitSevenClearSpoilsTheRecord) {
    auto frame = kRecordFrame;
    frame[3] = 0x5F;
    EXPECT_FALSE(DecodeRecordFrame(frame, kStart, KeyTexts()).has_value());
    frame = kRecordFrame;
    frame.pop_back();
    EXPECT_FALSE(DecodeRecordFrame(frame, kStart, KeyTexts()).has_value());
}

TEST(HidWireBytes, MeasurementHeaderFrame) {
    const auto header = DecodeMeasurementHeaderFrame(kHeaderFrame, kDeviceType);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->recordCount, 42);
    EXPECT_EQ(header->start, kStart);
    const auto raw = EncodeMeasurementHeader(*header);
    EXPECT_EQ(PackHighBits(raw),
              std::vector<uint8_t>(kHeaderFrame.begin() + 2, kHeaderFrame.end()));
}

TEST(HidWireBytes, AHeaderFromAnotherDeviceTypeOrWithAnotherMarkerIsRefused) {
    EXPECT_FALSE(DecodeMeasurementHeaderFrame(kHeaderFrame, kDeviceType + 1).has_value());
    auto frame = kHeaderFrame;
    frame[0] = 'G';
    EXPECT_FALSE(DecodeMeasurementHeaderFrame(frame, kDeviceType).has_value());
}

}  // namespace
}  // namespace vitalis
