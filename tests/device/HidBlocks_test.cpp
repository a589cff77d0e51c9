#include "device/hid/HidBlocks.h"

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "device/link/HighBitPacking.h"
#include "support/CaseFixtures.h"

namespace vitalis {
namespace {

using test::KeyTexts;
constexpr int kType = 0x05;

std::vector<uint8_t> Frame(uint8_t marker, std::span<const uint8_t> raw, int type = kType) {
    std::vector<uint8_t> frame{marker, static_cast<uint8_t>(type)};
    const auto packed = PackHighBits(raw);
    frame.insert(frame.end(), packed.begin(), packed.end());
    return frame;
}

TEST(HidBlocks, FrameLengths) {
    EXPECT_EQ(SettingsFrameLength(), 82u);
    EXPECT_EQ(MeasurementHeaderFrameLength(), 14u);
    EXPECT_EQ(OxygenHeaderFrameLength(), 16u);
    EXPECT_EQ(RecordFrameLength(), 12u);
}

TEST(HidBlocks, SettingsBlockRoundTrips) {
    HidSettings s;
    s.patientName = "Grace Hopper";
    s.patientId = "P-0001";
    s.start = {2025, 12, 31, 23, 45};
    s.setting47 = 9;
    s.awakeHour = 7, s.awakeMin = 30, s.awakeInterval = 15;
    s.asleepHour = 22, s.asleepMin = 0, s.asleepInterval = 30;
    s.specialStartHour = 0xFF, s.specialStartMin = 0xFF, s.specialInterval = 0xFF;
    s.specialEndHour = 0xFF, s.specialEndMin = 0xFF;
    s.option = 2;
    s.setting62 = 0xBEEF;
    s.setting66 = 0x80;
    const auto raw = EncodeSettings(s);
    const auto back = DecodeSettingsFrame(Frame(kSettingsBlockMarker, raw), kType);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->patientName, s.patientName);
    EXPECT_EQ(back->patientId, s.patientId);
    EXPECT_EQ(back->start, s.start);
    EXPECT_EQ(back->awakeStart(), 450);
    EXPECT_EQ(back->asleepStart(), 1320);
    EXPECT_EQ(back->specialEndMin, 0xFF);
    EXPECT_EQ(back->option, 2);
    EXPECT_EQ(back->setting62, 0xBEEF);
    EXPECT_EQ(back->setting66, 0x80);
    EXPECT_EQ(back->setting47, 9);

    auto zeroOption = raw;
    zeroOption[60] = 0;
    EXPECT_EQ(DecodeSettings(zeroOption).option, 0xFF);
}

TEST(HidBlocks, FramesWithTheWrongPrefixOrBytesAreRefused) {
    const std::array<uint8_t, kMeasurementHeaderRawLength> raw{0, 3, 0, 0x07, 0xEA, 3, 1, 8, 0, 0};
    const auto good = Frame(kMeasurementHeaderMarker, raw);
    ASSERT_TRUE(DecodeMeasurementHeaderFrame(good, kType));
    EXPECT_EQ(DecodeMeasurementHeaderFrame(good, kType)->recordCount, 3);
    EXPECT_EQ(DecodeMeasurementHeaderFrame(good, kType)->start, (ClockTime{2026, 3, 1, 8, 0}));

    EXPECT_FALSE(DecodeMeasurementHeaderFrame(good, kType + 1));  // another device type
    EXPECT_FALSE(DecodeMeasurementHeaderFrame(Frame(kOxygenHeaderMarker, raw), kType));
    auto clear = good;
    clear[5] &= 0x7F;
    EXPECT_FALSE(DecodeMeasurementHeaderFrame(clear, kType));
    EXPECT_FALSE(DecodeMeasurementHeaderFrame(std::span(good).first(13), kType));
    auto longer = good;
    longer.push_back(0x80);
    EXPECT_FALSE(DecodeMeasurementHeaderFrame(longer, kType));

    // The settings prefix letter is free, but a packed byte in its place means the frame is
    // out of step.
    const auto settings = EncodeSettings(HidSettings{});
    EXPECT_TRUE(DecodeSettingsFrame(Frame('E', settings), kType));
    EXPECT_FALSE(DecodeSettingsFrame(Frame(0xC4, settings), kType));
}

TEST(HidBlocks, RecordClockIsStartPlusOffset) {
    Measurement in;
    in.sys = 301, in.dia = 88, in.map = 101, in.pr = 190;
    in.offsetMinutes = 0x012345;  // about 52 days: crosses months
    in.status = 3;
    in.extra = 0xAB;
    const ClockTime start{2026, 1, 31, 23, 0};
    const auto m = DecodeRecordFrame(PackHighBits(EncodeRecord(in)), start, KeyTexts());
    ASSERT_TRUE(m);
    EXPECT_EQ(m->sys, 301);
    EXPECT_EQ(m->dia, 88);
    EXPECT_EQ(m->map, 101);
    EXPECT_EQ(m->pr, 190);
    EXPECT_EQ(m->extra, 0xAB);
    EXPECT_EQ(m->offsetMinutes, 0x012345);
    EXPECT_EQ(m->Clock(), AddMinutes(start, 0x012345));
    EXPECT_EQ(m->valid, 1);  // status 3 is a successful reading
    EXPECT_EQ(m->remark, "");

    in.status = 25;
    const auto failed = DecodeRecordFrame(PackHighBits(EncodeRecord(in)), start, KeyTexts());
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->valid, 0);
    EXPECT_EQ(failed->remark, "Global Setting:IDS_AIR_LEAKAGE");

    auto damaged = PackHighBits(EncodeRecord(in));
    damaged[11] = 0x12;
    EXPECT_FALSE(DecodeRecordFrame(damaged, start, KeyTexts()));
    EXPECT_FALSE(DecodeRecordFrame(std::span(damaged).first(11), start, KeyTexts()));
}

TEST(HidBlocks, OxygenHeaderKeepsItsValueOnlyForTypeOne) {
    std::array<uint8_t, kOxygenHeaderRawLength> raw{0x01, 0x02, 0x03, 1, 0x12, 0x34};
    auto header = DecodeOxygenHeaderFrame(Frame(kOxygenHeaderMarker, raw), kType);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->sampleCount, 0x010203);
    EXPECT_EQ(header->value, 0x1234);
    raw[3] = 2;
    header = DecodeOxygenHeaderFrame(Frame(kOxygenHeaderMarker, raw), kType);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->type, 2);
    EXPECT_EQ(header->value, 0);
}

}  // namespace
}  // namespace vitalis
