#include "device/heron/HeronPacketReader.h"

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "device/link/CBthLinkHeron.h"
#include "sim/HeronPacketWriter.h"
#include "support/CaseFixtures.h"
#include "support/ScriptedStream.h"

namespace vitalis {
namespace {

using test::Bytes;

// The download side of a channel over a scripted line that already holds the monitor's data.
struct ReaderTest : ::testing::Test {
    ReaderTest() {
        auto owned = std::make_unique<ScriptedStream>();
        line = owned.get();
        socket.Attach(std::move(owned));
    }
    void Send(const std::vector<uint8_t>& bytes) { line->Send(bytes); }
    ScriptedStream* line;
    CBthSocket socket;
    test::InstantPacer pacer;
    CBthLinkHeron link{socket, pacer, LinkTiming{}};
};

Measurement At(int minute) {
    Measurement m;
    m.SetClock({2026, 2, 1, 10, minute});
    m.sys = 120, m.map = 95, m.dia = 80, m.pr = 66;
    return m;
}

TEST_F(ReaderTest, ReadsPacketsOneAfterAnotherUntilTheLineGoesQuiet) {
    Send(sim::HeronAddressPacket({1, 2, 3, 4, 5, 6}));
    Send(sim::HeronCountPacket(2));
    Send(sim::HeronMeasurementPacket(At(1)));
    Send(sim::HeronMeasurementPacket(At(2)));
    HeronPacketReader reader(link);
    std::vector<HeronPacket> packets;
    while (reader.Next()) packets.push_back(DecodeHeronPacket(reader.Area(), test::KeyTexts()));
    ASSERT_EQ(packets.size(), 4u);
    EXPECT_TRUE(std::holds_alternative<HeronAddress>(packets[0]));
    EXPECT_EQ(std::get<HeronCount>(packets[1]).records, 2u);
    EXPECT_EQ(std::get<Measurement>(packets[3]).minute, 2);
    EXPECT_EQ(reader.JunkSkipped(), 0u);
}

TEST_F(ReaderTest, JunkBetweenPacketsIsSkippedUpToALimit) {
    Send(Bytes({0x00, 0x41, 0x6C, 0x09}));
    Send(sim::HeronMeasurementPacket(At(7)));
    HeronPacketReader reader(link, 4);
    ASSERT_TRUE(reader.Next());
    EXPECT_EQ(reader.JunkSkipped(), 4u);
    EXPECT_EQ(std::get<Measurement>(DecodeHeronPacket(reader.Area(), test::KeyTexts())).minute, 7);

    Send(Bytes({0x01, 0x02, 0x03, 0x04, 0x05}));
    Send(sim::HeronMeasurementPacket(At(8)));
    EXPECT_FALSE(reader.Next());  // five junk bytes are one too many
}

TEST_F(ReaderTest, ABodyThatStopsHalfwayEndsTheReading) {
    auto packet = sim::HeronMeasurementPacket(At(3));
    packet.resize(12);
    Send(packet);
    HeronPacketReader reader(link);
    EXPECT_FALSE(reader.Next());
    EXPECT_TRUE(
        std::all_of(reader.Area().begin(), reader.Area().end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(ReaderTest, ABodyWithAJunkByteInsideIsReadButIgnored) {
    auto packet = sim::HeronMeasurementPacket(At(4));
    packet.insert(packet.begin() + 5, 0x33);
    packet.pop_back();  // the same length on the wire
    Send(packet);
    Send(sim::HeronCountPacket(9));
    HeronPacketReader reader(link);
    ASSERT_TRUE(reader.Next());
    EXPECT_TRUE(
        std::holds_alternative<HeronIgnored>(DecodeHeronPacket(reader.Area(), test::KeyTexts())));
    ASSERT_TRUE(reader.Next());
    EXPECT_EQ(std::get<HeronCount>(DecodeHeronPacket(reader.Area(), test::KeyTexts())).records, 9u);
}

}  // namespace
}  // namespace vitalis
