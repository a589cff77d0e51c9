#include "device/heron/HeronPackets.h"

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "sim/HeronPacketWriter.h"
#include "support/CaseFixtures.h"

namespace vitalis {
namespace {

using test::KeyTexts;

std::vector<uint8_t> Area(const sim::Message& packet) {
    std::vector<uint8_t> area(kHeronAreaSize, 0);
    std::copy(packet.begin(), packet.end(), area.begin());
    return area;
}

Measurement Reading(int sys, int map, int dia, int pr, int status) {
    Measurement m;
    m.SetClock({2026, 3, 14, 23, 59});
    m.sys = sys, m.map = map, m.dia = dia, m.pr = pr, m.status = status;
    return m;
}

TEST(HeronPackets, MeasurementRoundTripsWithRemarkAndValidMark) {
    const auto packet = sim::HeronMeasurementPacket(Reading(300, 255, 128, 61, 0));
    ASSERT_EQ(packet.size(), 22u);  // type byte and 21 body bytes
    const auto decoded = DecodeHeronPacket(Area(packet), KeyTexts());
    const auto* m = std::get_if<Measurement>(&decoded);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Clock(), (ClockTime{2026, 3, 14, 23, 59}));
    EXPECT_EQ(m->sys, 300);
    EXPECT_EQ(m->map, 255);
    EXPECT_EQ(m->dia, 128);
    EXPECT_EQ(m->pr, 61);
    EXPECT_EQ(m->valid, 1);
    EXPECT_EQ(m->remark, "");

    const auto failed =
        DecodeHeronPacket(Area(sim::HeronMeasurementPacket(Reading(0, 0, 0, 0, 7))), KeyTexts());
    ASSERT_TRUE(std::holds_alternative<Measurement>(failed));
    EXPECT_EQ(std::get<Measurement>(failed).valid, 0);
    EXPECT_EQ(std::get<Measurement>(failed).remark, "Global Setting:IDS_AIR_LEAKAGE");
}

TEST(HeronPackets, DamagedMeasurementBodiesAreIgnored) {
    const auto good = Area(sim::HeronMeasurementPacket(Reading(120, 90, 80, 70, 0)));
    auto wrongMarker = good;
    wrongMarker[8] = 0x0A;
    auto wrongSecondMarker = good;
    wrongSecondMarker[16] = 0x08;
    auto zeroInside = good;
    zeroInside[12] = 0x00;
    auto notEnded = good;
    notEnded[21] = 0x90;
    auto bitSevenClear = good;
    bitSevenClear[3] &= 0x7F;
    for (const auto& area : {wrongMarker, wrongSecondMarker, zeroInside, notEnded, bitSevenClear}) {
        EXPECT_TRUE(std::holds_alternative<HeronIgnored>(DecodeHeronPacket(area, KeyTexts())));
    }
    // A body cut short: the rest of the span counts as the cleared area.
    const std::vector<uint8_t> cut(good.begin(), good.begin() + 10);
    EXPECT_TRUE(std::holds_alternative<HeronIgnored>(DecodeHeronPacket(cut, KeyTexts())));
}

TEST(HeronPackets, AddressIsLowerCaseHexWithSingleFileMark) {
    const auto decoded = DecodeHeronPacket(
        Area(sim::HeronAddressPacket({0x00, 0x1B, 0xA5, 0x12, 0x7A, 0x40})), KeyTexts());
    ASSERT_TRUE(std::holds_alternative<HeronAddress>(decoded));
    EXPECT_EQ(std::get<HeronAddress>(decoded).text, "001ba5127a40");
    EXPECT_FALSE(std::get<HeronAddress>(decoded).singleFile);

    const auto marked =
        DecodeHeronPacket(Area(sim::HeronAddressPacket({1, 2, 3, 4, 5, 0xFF})), KeyTexts());
    ASSERT_TRUE(std::holds_alternative<HeronAddress>(marked));
    EXPECT_TRUE(std::get<HeronAddress>(marked).singleFile);
    EXPECT_EQ(std::get<HeronAddress>(marked).text, "0102030405ff");
}

TEST(HeronPackets, CountIsThirtyTwoBitsBigEndian) {
    const auto decoded = DecodeHeronPacket(Area(sim::HeronCountPacket(0x89ABCDEFu)), KeyTexts());
    ASSERT_TRUE(std::holds_alternative<HeronCount>(decoded));
    EXPECT_EQ(std::get<HeronCount>(decoded).records, 0x89ABCDEFu);
}

TEST(HeronPackets, HeaderReadsTheProgrammingEchoAndTheCount) {
    sim::SimRecording r;
    r.patientName = std::string(35, 'N');  // longer than its field
    r.patientId = "ID-42";
    r.programmedAt = {2026, 1, 30, 9, 55};
    r.start = {2026, 1, 30, 10, 0};
    r.awakeHour = 6, r.awakeMin = 30, r.awakeInterval = 20;
    r.asleepHour = 23, r.asleepMin = 0, r.asleepInterval = 60;
    r.specialStartHour = 12, r.specialStartMin = 0, r.specialInterval = 5;
    r.specialEndHour = 13, r.specialEndMin = 30;
    const auto decoded = DecodeHeronPacket(Area(sim::HeronHeaderPacket(r, 321)), KeyTexts());
    const auto* h = std::get_if<HeronHeader>(&decoded);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->patientName, std::string(30, 'N'));
    EXPECT_EQ(h->patientId, "ID-42");
    EXPECT_EQ(h->programmedAt, r.programmedAt);
    EXPECT_EQ(h->firstMeasurement, r.start);
    EXPECT_EQ(h->awakeStart(), 390);
    EXPECT_EQ(h->awakeInterval, 20);
    EXPECT_EQ(h->asleepStart(), 1380);
    EXPECT_EQ(h->asleepInterval, 60);
    EXPECT_EQ(h->specialStartHour, 12);
    EXPECT_EQ(h->specialInterval, 5);
    EXPECT_EQ(h->specialEndMin, 30);
    EXPECT_EQ(h->storedCount, 321);
}

TEST(HeronPackets, HeaderTextsAreSingleByteCharacters) {
    std::vector<uint8_t> area(kHeronAreaSize, 0);
    area[0] = kHeronHeaderPacket;
    const char name[] = "Jos\xE9";  // Windows-1252 e acute
    std::copy(name, name + 4, area.begin() + 1);
    const auto decoded = DecodeHeronPacket(area, KeyTexts());
    EXPECT_EQ(std::get<HeronHeader>(decoded).patientName, "Jos\xC3\xA9");
}

TEST(HeronPackets, OnlyTheFourTypesHaveBodies) {
    EXPECT_EQ(HeronBodyLength(0x07), 21u);
    EXPECT_EQ(HeronBodyLength(0x12), 7u);
    EXPECT_EQ(HeronBodyLength(0x16), 5u);
    EXPECT_EQ(HeronBodyLength(0x55), 72u);
    for (const int type : {0x00, 0x08, 0x09, 0x54, 0x6C, 0x80, 0xFF})
        EXPECT_FALSE(HeronBodyLength(static_cast<uint8_t>(type))) << type;
    EXPECT_TRUE(std::holds_alternative<HeronIgnored>(
        DecodeHeronPacket(test::Bytes({0x33, 0x81, 0x82}), KeyTexts())));
    EXPECT_TRUE(std::holds_alternative<HeronIgnored>(DecodeHeronPacket({}, KeyTexts())));
}

}  // namespace
}  // namespace vitalis
