#include "device/link/CSerialLinkHeron.h"

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "device/link/MonitorFrames.h"
#include "support/ScriptedPlatform.h"

namespace vitalis {
namespace {

using test::Bytes;
using test::InstantPacer;
using test::ToVector;

const std::vector<uint8_t> kOpen = ToVector(HeronSerialOpenFrame());
const std::vector<uint8_t> kReplyA = Bytes({0x02, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC});
const std::vector<uint8_t> kReplyB = Bytes({0x34, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC});

// A port whose far end answers the download open with `reply` followed by `more`.
ScriptedSerialPorts::LineMaker Answering(std::vector<uint8_t> reply,
                                         std::vector<uint8_t> more = {}) {
    return [reply, more](uint32_t) {
        auto line = std::make_unique<ScriptedStream>();
        auto all = reply;
        all.insert(all.end(), more.begin(), more.end());
        line->Expect(kOpen, all);
        return line;
    };
}

// A port with nothing behind it, or something that chatters.
ScriptedSerialPorts::LineMaker Quiet(std::vector<uint8_t> chatter = {}) {
    return [chatter](uint32_t) {
        auto line = std::make_unique<ScriptedStream>();
        line->Send(chatter);
        return line;
    };
}

struct SerialLinkTest : ::testing::Test {
    ScriptedSerialPorts ports;
    InstantPacer pacer;
    LinkTiming timing;
};

TEST_F(SerialLinkTest, DownloadOpenScansUntilAPortAnswersAndKeepsItOpen) {
    ports.AddPort("ttyS0", Quiet(Bytes({0x11, 0x22})));
    ports.AddBusyPort("ttyS1");
    ports.AddPort("ttyUSB0", Answering(kReplyB, Bytes({0x55, 0x01})));
    ports.AddPort("ttyUSB1", Answering(kReplyA));
    CSerialLinkHeron link(ports, pacer, timing);
    ASSERT_TRUE(link.OpenToDown());
    EXPECT_EQ(link.PortName(), "ttyUSB0");
    EXPECT_EQ(link.HeronVariant(), 0x34);
    ASSERT_EQ(ports.Opens().size(), 2u);  // the busy port never opened; ttyUSB1 never tried
    EXPECT_EQ(ports.Opens()[0], std::make_pair(std::string("ttyS0"), 115200u));

    // The dead port was written to, drained to silence and closed.
    const ScriptedStream& dead = *ports.Lines()[0];
    EXPECT_EQ(dead.Written(), kOpen);
    EXPECT_EQ(dead.Pending(), 0u);
    EXPECT_TRUE(dead.WasClosed());

    // One write per byte, a pause, the reply, a pause (the dead port had only the first).
    const ScriptedStream& live = *ports.Lines()[1];
    EXPECT_FALSE(live.WasClosed());
    EXPECT_EQ(live.Written(), kOpen);
    EXPECT_EQ(pacer.paused, std::chrono::milliseconds(15));
    EXPECT_EQ(live.LastTimeouts().readInterval, std::chrono::milliseconds(50));

    // The data that follows is read through the channel.
    std::array<uint8_t, 2> data{};
    const LinkRead read = link.ReadDown(data);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.count, 2u);
    EXPECT_EQ(data[0], 0x55);
    link.CloseDown();
    EXPECT_TRUE(live.WasClosed());
}

TEST_F(SerialLinkTest, NoAnsweringPortFailsWithEveryPortClosed) {
    ports.AddPort("ttyS0", Quiet());
    ports.AddPort("ttyS1", Quiet(Bytes({0x02, 0x8F, 0xFF})));  // a reply cut short
    ports.AddPort("ttyS2", Answering(Bytes({0x03, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC})));
    CSerialLinkHeron link(ports, pacer, timing);
    EXPECT_FALSE(link.OpenToDown());
    EXPECT_EQ(link.HeronVariant(), 0);
    ASSERT_EQ(ports.Lines().size(), 3u);
    for (const ScriptedStream* line : ports.Lines()) EXPECT_TRUE(line->WasClosed());
    // A silent port costs one read, not six.
    EXPECT_EQ(ports.Lines()[0]->ReadCalls(), 2u);  // the reply byte and the drain
    std::array<uint8_t, 1> byte{};
    EXPECT_FALSE(link.ReadDown(byte).ok);
    EXPECT_FALSE(link.WriteDown(byte));
}

TEST_F(SerialLinkTest, UploadOpenRunsAtTheSlowRate) {
    ports.AddPort("ttyS0", [](uint32_t) {
        auto line = std::make_unique<ScriptedStream>();
        line->Expect(Bytes({0xAA}), Bytes({0x6B}));  // almost, but not the answer
        return line;
    });
    ports.AddPort("ttyS1", [](uint32_t rate) {
        auto line = std::make_unique<ScriptedStream>();
        if (rate == kHeronUploadRate) line->Expect(Bytes({0xAA}), Bytes({0x6C}));
        return line;
    });
    CSerialLinkHeron link(ports, pacer, timing);
    ASSERT_TRUE(link.OpenToUp());
    EXPECT_EQ(link.PortName(), "ttyS1");
    EXPECT_EQ(ports.Opens().back().second, 4800u);
    EXPECT_EQ(link.HeronVariant(), 0);
}

TEST_F(SerialLinkTest, AGivenPortIsTheOnlyOneTriedAndAPreferredOneGoesFirst) {
    ports.AddPort("ttyS0", Answering(kReplyA));
    ports.AddPort("ttyUSB3", Answering(kReplyA));
    CSerialLinkHeron only(ports, pacer, timing, std::string("ttyUSB3"));
    ASSERT_TRUE(only.OpenToDown());
    EXPECT_EQ(ports.Opens().size(), 1u);
    only.CloseDown();

    CSerialLinkHeron preferring(ports, pacer, timing);
    preferring.PreferPort("ttyUSB3");
    ASSERT_TRUE(preferring.OpenToDown());
    EXPECT_EQ(ports.Opens().back().first, "ttyUSB3");
    EXPECT_EQ(ports.Opens().size(), 2u);

    CSerialLinkHeron missing(ports, pacer, timing, std::string("/dev/nothing"));
    EXPECT_FALSE(missing.OpenToDown());
}

TEST_F(SerialLinkTest, AVanishedPortFailsReadsAndWritesRatherThanTimingOut) {
    ports.AddPort("ttyUSB0", Answering(kReplyA));
    CSerialLinkHeron link(ports, pacer, timing);
    ASSERT_TRUE(link.OpenToDown());
    std::array<uint8_t, 4> buffer{};
    const LinkRead quiet = link.ReadDown(buffer);
    EXPECT_TRUE(quiet.ok);  // a timeout is not an error: the protocol judges the bytes
    EXPECT_EQ(quiet.count, 0u);
    ports.Lines()[0]->Vanish();
    EXPECT_FALSE(link.ReadDown(buffer).ok);
    EXPECT_FALSE(link.WriteDown(buffer));
    link.CloseDown();  // draining a dead port ends at once
}

TEST_F(SerialLinkTest, ABabblingPortIsCutOffWhileDraining) {
    timing.drainLimit = 100;
    ports.AddPort("ttyS0", Quiet(std::vector<uint8_t>(1000, 0x33)));
    CSerialLinkHeron link(ports, pacer, timing);
    EXPECT_FALSE(link.OpenToDown());
    EXPECT_LT(ports.Lines()[0]->ReadCalls(), 110u);
}

TEST_F(SerialLinkTest, CancelStopsTheScan) {
    ports.AddPort("ttyS0", Quiet());
    ports.AddPort("ttyS1", Answering(kReplyA));
    pacer.Cancel();
    CSerialLinkHeron link(ports, pacer, timing);
    EXPECT_FALSE(link.OpenToDown());
    EXPECT_TRUE(ports.Opens().empty());
}

}  // namespace
}  // namespace vitalis
