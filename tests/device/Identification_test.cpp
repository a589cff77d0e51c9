#include "device/session/Identification.h"

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "device/link/CBthLinkHeron.h"
#include "device/link/CBthLinkHid.h"
#include "device/link/CHidLink.h"
#include "device/link/CSerialLinkHeron.h"
#include "device/link/MonitorFrames.h"
#include "device/session/PolicySessionUi.h"
#include "device/session/SessionFactory.h"
#include "sim/HeronEngine.h"
#include "sim/HidGenerationEngine.h"
#include "support/EngineLines.h"
#include "support/ScriptedPlatform.h"

namespace vitalis {
namespace {

using test::Bytes;
using test::InstantPacer;
using test::ToVector;

std::shared_ptr<sim::MonitorEngine> HidMonitor(uint8_t type = 0x53, uint8_t flags = 0x84) {
    sim::HidSimOptions options;
    options.deviceType = type;
    options.deviceSubType = 0x02;
    options.flags = flags;
    return std::make_shared<sim::HidGenerationEngine>(sim::GenerateRecording(1), options);
}

std::shared_ptr<sim::MonitorEngine> HeronMonitor(uint8_t variant) {
    sim::HeronSimOptions options;
    options.variant = variant;
    return std::make_shared<sim::HeronEngine>(sim::GenerateRecording(2), options);
}

ScriptedSerialPorts::LineMaker Behind(std::shared_ptr<sim::MonitorEngine> engine) {
    return [engine](uint32_t) { return sim::EngineStream(engine); };
}

ScriptedSerialPorts::LineMaker Nothing() {
    return [](uint32_t) { return std::make_unique<ScriptedStream>(); };
}

struct IdentifyTest : ::testing::Test {
    ScriptedPlatform platform;
    InstantPacer pacer;
    LinkTiming timing;
};

TEST_F(IdentifyTest, AHidMonitorIsFoundFirstAndTheSerialPortsAreLeftAlone) {
    platform.hid = sim::EngineHidScript(HidMonitor());
    platform.serial.AddPort("ttyUSB0", Behind(HeronMonitor(0x02)));
    const DeviceIdentity found = IdentifyWired(platform, pacer, timing);
    EXPECT_EQ(found.kind, DeviceKind::HidGeneration);
    EXPECT_TRUE(found.overHid);
    EXPECT_EQ(found.devType, 0x53);
    EXPECT_EQ(found.devSubType, 0x02);
    EXPECT_EQ(found.hidFeatureFlag, true);
    EXPECT_TRUE(platform.serial.Opens().empty());
    EXPECT_EQ(platform.hid->closes, 1);  // the probe closes the device again
    EXPECT_EQ(pacer.paused, std::chrono::milliseconds(10));
}

TEST_F(IdentifyTest, ASilentHidDeviceLeadsToTheSerialPortsInOrder) {
    platform.hid->reportLength = 65;  // a device that never answers
    platform.serial.AddPort("ttyUSB0", Nothing());
    platform.serial.AddBusyPort("ttyUSB1");
    platform.serial.AddPort("ttyACM0", Behind(HeronMonitor(0x34)));
    platform.serial.AddPort("ttyS0", Behind(HeronMonitor(0x02)));
    const DeviceIdentity found = IdentifyWired(platform, pacer, timing);
    EXPECT_EQ(found.kind, DeviceKind::Heron);
    EXPECT_EQ(found.devType, 15);
    EXPECT_EQ(found.devSubType, 0);
    EXPECT_EQ(found.port, "ttyACM0");
    EXPECT_EQ(found.heronVariant, 0x34);
    EXPECT_FALSE(found.hidFeatureFlag);
    ASSERT_EQ(platform.serial.Opens().size(), 2u);
    // The answering port, too, was drained (the whole recording) and closed.
    EXPECT_TRUE(platform.serial.Lines()[1]->WasClosed());
    EXPECT_EQ(platform.serial.Lines()[1]->Pending(), 0u);
}

TEST_F(IdentifyTest, NothingAnywhereIsNoAnswer) {
    platform.serial.AddPort("ttyS0", Nothing());
    EXPECT_EQ(IdentifyWired(platform, pacer, timing).kind, DeviceKind::None);
    // A given port skips USB HID altogether.
    platform.hid = sim::EngineHidScript(HidMonitor());
    EXPECT_EQ(IdentifyWired(platform, pacer, timing, std::string("ttyS0")).kind, DeviceKind::None);
    EXPECT_EQ(platform.hid->opens, 0);
}

struct BluetoothIdentifyTest : IdentifyTest {
    CBthSocket socket;
    ScriptedStream* Peer(std::unique_ptr<ScriptedStream> line) {
        ScriptedStream* raw = line.get();
        socket.Attach(std::move(line));
        return raw;
    }
};

TEST_F(BluetoothIdentifyTest, HidGenerationAnswersTheIdentify) {
    Peer(sim::EngineStream(HidMonitor(0x07, 0x84)));
    const DeviceIdentity found = IdentifyBluetooth(socket, pacer, timing);
    EXPECT_EQ(found.kind, DeviceKind::HidGeneration);
    EXPECT_EQ(found.devType, 0x07);
    EXPECT_FALSE(found.hidFeatureFlag);  // not taken over Bluetooth
    EXPECT_FALSE(found.overHid);
}

TEST_F(BluetoothIdentifyTest, HeronAnswersTheOpenAfterTheLongPause) {
    auto* peer = Peer(sim::EngineStream(HeronMonitor(0x02)));
    const DeviceIdentity found = IdentifyBluetooth(socket, pacer, timing);
    EXPECT_EQ(found.kind, DeviceKind::Heron);
    EXPECT_EQ(found.heronVariant, 0x02);
    EXPECT_EQ(pacer.paused, std::chrono::milliseconds(4000));
    const auto expected = [] {
        auto bytes = ToVector(IdentifyFrame());
        const auto open = HeronSerialOpenFrame();
        bytes.insert(bytes.end(), open.begin(), open.end());
        return bytes;
    }();
    EXPECT_EQ(peer->Written(), expected);
}

TEST_F(BluetoothIdentifyTest, TheFirstReplyFormMustBringAllSevenBytes) {
    auto* peer = Peer(std::make_unique<ScriptedStream>());
    peer->Expect(ToVector(IdentifyFrame()))
        .Expect(ToVector(HeronSerialOpenFrame()), Bytes({0x02, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC}));
    EXPECT_EQ(IdentifyBluetooth(socket, pacer, timing).kind, DeviceKind::None);

    auto* other = Peer(std::make_unique<ScriptedStream>());
    other->Expect(ToVector(IdentifyFrame()))
        .Expect(ToVector(HeronSerialOpenFrame()), Bytes({0x34, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC}));
    EXPECT_EQ(IdentifyBluetooth(socket, pacer, timing).kind, DeviceKind::Heron);
}

TEST_F(BluetoothIdentifyTest, AJunkAnswerToTheIdentifyIsNotTakenForTheHeronReply) {
    auto* peer = Peer(std::make_unique<ScriptedStream>());
    // A short, wrong answer to the identify, and then silence.
    peer->Expect(ToVector(IdentifyFrame()), Bytes({0x02, 0x8F, 0xFF}));
    EXPECT_EQ(IdentifyBluetooth(socket, pacer, timing).kind, DeviceKind::None);
    EXPECT_EQ(IdentifyBluetooth(socket, pacer, timing).kind, DeviceKind::None);
}

TEST(DeviceTypes, AcceptedRanges) {
    for (const int type : {1, 15, 0x51, 0x5F}) EXPECT_TRUE(IsAcceptedDeviceType(type)) << type;
    for (const int type : {0, 16, 0x50, 0x60, 255, -1})
        EXPECT_FALSE(IsAcceptedDeviceType(type)) << type;
}

struct CreateSessionTest : IdentifyTest {
    PolicySessionUi ui{2};
    CBthSocket socket;
    SessionContext Context() { return SessionContext{platform, pacer, ui, socket, timing}; }
};

TEST_F(CreateSessionTest, WiredHeronGetsASerialChannelOnThePortThatAnswered) {
    platform.serial.AddPort("ttyS0", Nothing());
    platform.serial.AddPort("ttyUSB0", Behind(HeronMonitor(0x02)));
    SessionContext context = Context();
    const auto session = CreateSession(LinkTarget{}, context);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->protocol, ProtocolKind::Heron);
    ASSERT_NE(dynamic_cast<CSerialLinkHeron*>(session->link.get()), nullptr);
    // The session's own open goes to that port first.
    ASSERT_TRUE(session->link->OpenToDown());
    EXPECT_EQ(platform.serial.Opens().back().first, "ttyUSB0");
    EXPECT_EQ(platform.serial.Opens().size(), 3u);
    EXPECT_EQ(ui.RetriesGiven(), 0);
}

TEST_F(CreateSessionTest, UsbHidGetsAHidChannel) {
    platform.hid = sim::EngineHidScript(HidMonitor());
    SessionContext context = Context();
    const auto session = CreateSession(LinkTarget{}, context);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->protocol, ProtocolKind::HidGeneration);
    EXPECT_NE(dynamic_cast<CHidLink*>(session->link.get()), nullptr);
}

TEST_F(CreateSessionTest, NoAnswerAsksRetryUntilCancelled) {
    platform.serial.AddPort("ttyS0", Nothing());
    SessionContext context = Context();
    EXPECT_FALSE(CreateSession(LinkTarget{}, context));
    const auto seen = ui.Seen();
    ASSERT_EQ(seen.size(), 3u);  // two retries, then cancel
    EXPECT_EQ(seen[0].key, "IDS_TRY_CANCEL");
    EXPECT_EQ(seen[0].section, "ZuzodIriz");
    EXPECT_EQ(seen[0].icon, UiIcon::Warning);
    EXPECT_EQ(platform.serial.Opens().size(), 3u);
    EXPECT_TRUE(pacer.IsCancelled());  // the user's Cancel ends the session as cancelled
}

TEST_F(CreateSessionTest, AMonitorFoundOnRetryLeavesTheSessionRunning) {
    // The monitor answers once the user has said Retry.
    platform.serial.AddPort("ttyS0", [&](uint32_t rate) -> std::unique_ptr<ScriptedStream> {
        if (ui.RetriesGiven() == 0) return Nothing()(rate);
        return Behind(HeronMonitor(0x02))(rate);
    });
    SessionContext context = Context();
    EXPECT_TRUE(CreateSession(LinkTarget{}, context));
    EXPECT_EQ(ui.RetriesGiven(), 1);
    EXPECT_FALSE(pacer.IsCancelled());
}

TEST_F(CreateSessionTest, SocketTargetsConnectAndPickTheBluetoothChannels) {
    platform.socketMaker = [](const LinkTarget& target) -> std::unique_ptr<ByteStream> {
        if (target.kind != LinkTarget::Kind::Tcp) return nullptr;
        return sim::EngineStream(HidMonitor());
    };
    SessionContext context = Context();
    const auto tcp = CreateSession(*ParseLinkTarget("tcp:127.0.0.1:5555"), context);
    ASSERT_TRUE(tcp);
    EXPECT_NE(dynamic_cast<CBthLinkHid*>(tcp->link.get()), nullptr);
    EXPECT_EQ(platform.socketConnects, 1);

    socket.Close();
    platform.socketMaker = [](const LinkTarget&) { return sim::EngineStream(HeronMonitor(0x34)); };
    const auto bt = CreateSession(*ParseLinkTarget("bt:00:11:22:33:44:55"), context);
    ASSERT_TRUE(bt);
    EXPECT_NE(dynamic_cast<CBthLinkHeron*>(bt->link.get()), nullptr);
    EXPECT_TRUE(bt->link->OpenToDown());  // despite the data the identification left behind
    EXPECT_EQ(bt->link->HeronVariant(), 0x34);
}

TEST_F(CreateSessionTest, ACancelledSessionStopsWithoutAsking) {
    platform.serial.AddPort("ttyS0", Nothing());
    pacer.Cancel();
    SessionContext context = Context();
    EXPECT_FALSE(CreateSession(LinkTarget{}, context));
    EXPECT_TRUE(ui.Seen().empty());
}

}  // namespace
}  // namespace vitalis
