#include "device/link/WireLog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "DeviceTestSupport.h"
#include "device/link/MonitorFrames.h"
#include "device/link/WireLogPlatform.h"
#include "device/link/WireLogStream.h"
#include "device/session/Identification.h"
#include "sim/HeronEngine.h"
#include "sim/HidGenerationEngine.h"
#include "support/EngineLines.h"
#include "support/ScriptedPlatform.h"

namespace vitalis {
namespace {

using test::Bytes;

TEST(WireLog, EveryByteBothWaysWithTimesAndReadsBack) {
    std::ostringstream text;
    {
        WireLog log(text);
        auto line = std::make_unique<ScriptedStream>("/dev/ttyUSB0");
        line->Expect(Bytes({0x01, 0x02}), Bytes({0xA0, 0xB1, 0xC2}));
        WireLogStream logged(std::move(line), log);
        ASSERT_TRUE(logged.Write(Bytes({0x01, 0x02})).complete());
        std::array<uint8_t, 4> buffer{};
        EXPECT_EQ(logged.Read(buffer).count, 3u);
        logged.Write(std::vector<uint8_t>(40, 0xEE));
        logged.Close();
    }
    const std::string written = text.str();
    EXPECT_NE(written.find("# wire log started "), std::string::npos);
    EXPECT_NE(written.find("/dev/ttyUSB0 > 01 02\n"), std::string::npos);
    EXPECT_NE(written.find("/dev/ttyUSB0 < A0 B1 C2\n"), std::string::npos);
    EXPECT_NE(written.find("/dev/ttyUSB0 - read timed out after 3 of 4 bytes"), std::string::npos);
    EXPECT_NE(written.find("/dev/ttyUSB0 - close"), std::string::npos);

    std::istringstream in(written);
    const auto entries = ReadWireLog(in);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].direction, WireLog::Direction::Sent);
    EXPECT_EQ(entries[1].bytes, Bytes({0xA0, 0xB1, 0xC2}));
    EXPECT_EQ(entries[2].bytes.size(), 40u);  // written over two lines, read back as one
}

TEST(WireLog, ALoggedConversationReplaysAsAScript) {
    std::istringstream in(
        "[ 0.1] ttyUSB0 > 01 8F\n"
        "[ 0.1] ttyUSB0 > FF FE FD FC 00\n"
        "[ 0.2] ttyUSB0 < 34 8F FF\n"
        "[ 0.2] ttyUSB0 < FE FD FC\n"
        "[ 0.3] other > 99\n"
        "[ 0.4] ttyUSB0 > 54\n"
        "[ 0.5] ttyUSB0 < 55 01\n");
    auto replay = ReplayWireLog(ReadWireLog(in), "ttyUSB0");
    test::InstantPacer pacer;
    const auto variant = [&] {
        for (const uint8_t byte : HeronSerialOpenFrame()) replay->Write({&byte, 1});
        std::array<uint8_t, 6> reply{};
        replay->Read(reply);
        return HeronOpenReplyVariant(reply);
    }();
    EXPECT_EQ(variant, 0x34);
    replay->Write(Bytes({0x54}));
    std::array<uint8_t, 2> header{};
    EXPECT_TRUE(replay->Read(header).complete());
    EXPECT_EQ(header[0], 0x55);
    EXPECT_TRUE(replay->ScriptDone());
}

TEST(WireLog, MalformedLinesAreSkippedWhenReadingBack) {
    std::istringstream in(
        "garbage\n[  1.0] x > 0G\n[  1.0] x > \n[  1.0] x ? 01\n[  1.0] x < 0a ff\n");
    const auto entries = ReadWireLog(in);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].bytes, Bytes({0x0A, 0xFF}));
}

TEST(WireLog, ALoggedPlatformRecordsTheIdentificationProbes) {
    ScriptedPlatform platform;
    sim::HeronSimOptions heron;
    auto engine = std::make_shared<sim::HeronEngine>(sim::GenerateRecording(3), heron);
    platform.hid = sim::EngineHidScript(std::make_shared<sim::HidGenerationEngine>(
        sim::GenerateRecording(3), sim::HidSimOptions{}));
    platform.hid->reportLength = 0;  // no HID monitor plugged in
    platform.serial.AddPort("ttyUSB0",
                            [engine](uint32_t) { return sim::EngineStream(engine, "ttyUSB0"); });
    std::ostringstream text;
    WireLog log(text);
    WireLogPlatform logged(platform, log);
    test::InstantPacer pacer;
    EXPECT_EQ(IdentifyWired(logged, pacer, LinkTiming{}).kind, DeviceKind::Heron);
    const std::string written = text.str();
    EXPECT_NE(written.find("usb-hid - no device"), std::string::npos);
    EXPECT_NE(written.find("ttyUSB0 - at 115200 Bd"), std::string::npos);
    EXPECT_NE(written.find("ttyUSB0 > 8F"), std::string::npos);  // one byte per write
    EXPECT_NE(written.find("ttyUSB0 < 02"), std::string::npos);
}

}  // namespace
}  // namespace vitalis
