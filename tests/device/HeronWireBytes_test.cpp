// The Heron packets as they travel, byte for byte, written out by hand from the packet layouts
// (type byte, high-bit packed groups, markers), so neither the decoder nor the simulator's
// encoder can drift together with the other.
#include <gtest/gtest.h>

#include <vector>

#include "DeviceTestSupport.h"
#include "device/heron/HeronPackets.h"
#include "sim/HeronPacketWriter.h"
#include "support/CaseFixtures.h"

namespace vitalis {
namespace {

using test::KeyTexts;

// 2026-12-07 09:30, sys 120, map 90, dia 80, pr 70, status 0. The year's low byte 0xEA is the
// only raw byte with bit 7, so the first group's head is 0x82 (bit 1) and the others 0x80.
const std::vector<uint8_t> kMeasurement{
    0x07,                                      // type
    0x82, 0x87, 0xEA, 0x8C, 0x87, 0x89, 0x9E,  // head; year 07 EA, month, day, hour, min
    0x08,                                      // marker
    0x80, 0x80, 0xF8, 0x80, 0xDA, 0x80, 0xD0,  // head; sys 0078, map 005A, dia 0050
    0x09,                                      // marker
    0x80, 0x80, 0xC6, 0x80,                    // head; pr 0046, status 00
    0x00};                                     // end of body

// Address 00 1A 7D DA 71 13: 0xDA (data byte 3) keeps bit 7, so the head is 0x88.
const std::vector<uint8_t> kAddress{0x12, 0x88, 0x80, 0x9A, 0xFD, 0xDA, 0xF1, 0x93, 0x00};
// 336 records, 00 00 01 50 big-endian.
const std::vector<uint8_t> kCount{0x16, 0x80, 0x80, 0x80, 0x81, 0xD0, 0x00};

std::vector<uint8_t> Area(std::vector<uint8_t> bytes) {
    bytes.resize(kHeronAreaSize, 0);
    return bytes;
}

Measurement Expected() {
    Measurement m;
    m.SetClock({2026, 12, 7, 9, 30});
    m.sys = 120, m.map = 90, m.dia = 80, m.pr = 70, m.status = 0;
    return m;
}

TEST(HeronWireBytes, MeasurementFieldsSitWhereTheLayoutPutsThem) {
    const auto packet = DecodeHeronPacket(Area(kMeasurement), KeyTexts());
    const auto* m = std::get_if<Measurement>(&packet);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->year, 2026);
    EXPECT_EQ(m->month, 12);
    EXPECT_EQ(m->day, 7);
    EXPECT_EQ(m->hour, 9);
    EXPECT_EQ(m->minute, 30);
    EXPECT_EQ(m->sys, 120);
    EXPECT_EQ(m->map, 90);
    EXPECT_EQ(m->dia, 80);
    EXPECT_EQ(m->pr, 70);
    EXPECT_EQ(m->status, 0);
    EXPECT_EQ(m->valid, 1);
}

TEST(HeronWireBytes, TheSimulatedMonitorSendsTheSameBytes) {
    const auto sent = sim::HeronMeasurementPacket(Expected());
    EXPECT_EQ(std::vector<uint8_t>(sent.begin(), sent.end()), kMeasurement);  // byte 21 is 00
    const auto address = sim::HeronAddressPacket({0x00, 0x1A, 0x7D, 0xDA, 0x71, 0x13});
    EXPECT_EQ(std::vector<uint8_t>(address.begin(), address.end()),
              std::vector<uint8_t>(kAddress.begin(), kAddress.end() - 1));
    const auto count = sim::HeronCountPacket(336);
    EXPECT_EQ(std::vector<uint8_t>(count.begin(), count.end()),
              std::vector<uint8_t>(kCount.begin(), kCount.end() - 1));
}

TEST(HeronWireBytes, AMeasurementWithAMisplacedMarkerIsNotTaken) {
    for (const size_t at : {size_t{8}, size_t{16}}) {
        auto bytes = kMeasurement;
        bytes[at] = 0x0A;
        EXPECT_TRUE(
            std::holds_alternative<HeronIgnored>(DecodeHeronPacket(Area(bytes), KeyTexts())))
            << "marker at " << at;
    }
}

TEST(HeronWireBytes, AddressAndCountBodies) {
    const auto address = DecodeHeronPacket(Area(kAddress), KeyTexts());
    ASSERT_TRUE(std::holds_alternative<HeronAddress>(address));
    EXPECT_EQ(std::get<HeronAddress>(address).text, "001a7dda7113");
    EXPECT_FALSE(std::get<HeronAddress>(address).singleFile);

    const auto count = DecodeHeronPacket(Area(kCount), KeyTexts());
    ASSERT_TRUE(std::holds_alternative<HeronCount>(count));
    EXPECT_EQ(std::get<HeronCount>(count).records, 336u);
}

}  // namespace
}  // namespace vitalis
