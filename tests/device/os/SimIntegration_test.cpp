// The workstation's own channels and identification against the simulated monitors over a
// real pseudo-terminal and real TCP sockets on 127.0.0.1.
#include <gtest/gtest.h>

#include <chrono>

#include "SimFixture.h"
#include "device/heron/HeronPacketReader.h"
#include "device/link/CSerialLinkHeron.h"
#include "device/link/MonitorFrames.h"
#include "device/os/SystemLinkPlatform.h"
#include "device/session/Identification.h"
#include "device/session/PolicySessionUi.h"
#include "device/session/SessionFactory.h"
#include "support/CaseFixtures.h"

namespace vitalis {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::SimulatedMonitor;

// The handshake waits and polls of the sockets shortened; the serial timeouts stay real.
LinkTiming QuickTiming() {
    LinkTiming timing;
    timing.bluetoothPoll = 20ms;
    timing.bluetoothHeronProbePause = 50ms;
    timing.bluetoothUploadOpenPause = 50ms;
    timing.bluetoothUploadOpenPolls = 20;
    return timing;
}

// Reads what the monitor sends after the open and counts its readings.
int DownloadReadings(CDeviceLink& link) {
    HeronPacketReader reader(link);
    int readings = 0;
    while (reader.Next()) {
        if (std::holds_alternative<Measurement>(DecodeHeronPacket(reader.Area(), NoTexts())))
            ++readings;
    }
    return readings;
}

class PtyIdentify : public ::testing::TestWithParam<int> {};

TEST_P(PtyIdentify, HeronOnASerialPortBothReplyForms) {
    sim::HeronSimOptions heron;
    heron.variant = static_cast<uint8_t>(GetParam());
    const auto monitor = SimulatedMonitor::HeronOnPty(heron);
    ASSERT_TRUE(monitor);
    SystemLinkPlatform platform;
    Pacer pacer;
    PolicySessionUi ui;
    CBthSocket socket;
    SessionContext context{platform, pacer, ui, socket, QuickTiming()};
    const auto target = *ParseLinkTarget("serial:" + monitor->PtyPath());

    const auto session = CreateSession(target, context);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->identity.kind, DeviceKind::Heron);
    EXPECT_EQ(session->identity.heronVariant, GetParam());
    EXPECT_EQ(session->identity.port, monitor->PtyPath());

    // The session opens the port again and gets the whole recording.
    ASSERT_TRUE(session->link->OpenToDown());
    EXPECT_EQ(session->link->HeronVariant(), GetParam());
    EXPECT_EQ(DownloadReadings(*session->link),
              static_cast<int>(monitor->recording.readings.size()));
    session->link->CloseDown();
}

INSTANTIATE_TEST_SUITE_P(ReplyForms, PtyIdentify, ::testing::Values(0x02, 0x34));

TEST(PtySerial, UploadHandshakeAndAcknowledgedBytes) {
    const auto monitor = SimulatedMonitor::HeronOnPty({});
    ASSERT_TRUE(monitor);
    SystemLinkPlatform platform;
    Pacer pacer;
    CSerialLinkHeron link(platform.SerialPorts(), pacer, LinkTiming{}, monitor->PtyPath());
    ASSERT_TRUE(link.OpenToUp());
    std::vector<uint8_t> block(70);
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(0xF0 - i);
    for (const uint8_t byte : block) {
        ASSERT_TRUE(link.WriteUp({&byte, 1}));
        uint8_t ack = 0;
        const LinkRead read = link.ReadUp({&ack, 1});
        ASSERT_EQ(read.count, 1u);
        ASSERT_EQ(ack, kHeronUploadAck);
    }
    link.CloseUp();
    EXPECT_EQ(monitor->Uploaded(), block);
}

TEST(PtySerial, AMonitorThatFallsSilentFailsTheOpenInBoundedTime) {
    sim::FaultOptions faults;
    faults.silentAfter = 3;  // half of the reply
    const auto monitor = SimulatedMonitor::HeronOnPty({}, faults);
    ASSERT_TRUE(monitor);
    SystemLinkPlatform platform;
    Pacer pacer;
    const auto start = Clock::now();
    const DeviceIdentity found = IdentifyWired(platform, pacer, LinkTiming{}, monitor->PtyPath());
    EXPECT_EQ(found.kind, DeviceKind::None);
    EXPECT_LT(Clock::now() - start, 2s);
}

TEST(PtySerial, JunkInTheStreamCostsOnlyThePacketItHit) {
    sim::FaultOptions faults;
    faults.junkAt = 6 + 8 + 73 + 6 + 22 * 3 + 5;  // inside the fourth reading
    faults.junkCount = 2;
    const auto monitor = SimulatedMonitor::HeronOnPty({}, faults);
    ASSERT_TRUE(monitor);
    SystemLinkPlatform platform;
    Pacer pacer;
    CSerialLinkHeron link(platform.SerialPorts(), pacer, LinkTiming{}, monitor->PtyPath());
    ASSERT_TRUE(link.OpenToDown());
    const int readings = DownloadReadings(link);
    EXPECT_GE(readings, static_cast<int>(monitor->recording.readings.size()) - 2);
    EXPECT_LT(readings, static_cast<int>(monitor->recording.readings.size()));
}

TEST(TcpLink, HidGenerationMonitorIdentifiesAndAnswers) {
    sim::HidSimOptions hid;
    hid.deviceType = 0x52;
    const auto monitor = SimulatedMonitor::HidOnTcp(hid);
    ASSERT_TRUE(monitor);
    SystemLinkPlatform platform;
    Pacer pacer;
    PolicySessionUi ui;
    CBthSocket socket;
    SessionContext context{platform, pacer, ui, socket, QuickTiming()};
    const auto session = CreateSession(*ParseLinkTarget(monitor->TcpLink()), context);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->protocol, ProtocolKind::HidGeneration);
    EXPECT_EQ(session->identity.devType, 0x52);
    ASSERT_TRUE(session->link->OpenToDown());
    ASSERT_TRUE(session->link->WriteDown(StartFrame()));
    std::array<uint8_t, kStartReplyLength> reply{};
    ASSERT_TRUE(session->link->ReadDown(reply));
    EXPECT_TRUE(IsStartReply(reply));
    session->link->CloseDown();
    EXPECT_FALSE(socket.IsConnected());
}

TEST(TcpLink, HeronMonitorIdentifiesThroughTheSecondProbe) {
    sim::HeronSimOptions heron;
    heron.variant = 0x34;
    const auto monitor = SimulatedMonitor::OnTcp(
        std::make_unique<sim::HeronEngine>(sim::GenerateRecording(5), heron));
    ASSERT_TRUE(monitor);
    SystemLinkPlatform platform;
    Pacer pacer;
    PolicySessionUi ui;
    CBthSocket socket;
    SessionContext context{platform, pacer, ui, socket, QuickTiming()};
    const auto session = CreateSession(*ParseLinkTarget(monitor->TcpLink()), context);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->identity.kind, DeviceKind::Heron);
    EXPECT_EQ(session->identity.devType, kHeronDeviceType);
    // The recording the probe set off is still arriving; the open must see past it.
    ASSERT_TRUE(session->link->OpenToDown());
    EXPECT_EQ(DownloadReadings(*session->link),
              static_cast<int>(sim::GenerateRecording(5).readings.size()));
}

TEST(TcpLink, ADroppedLineFailsTheReadAtOnce) {
    sim::FaultOptions faults;
    faults.dropAfter = 2;
    const auto monitor = SimulatedMonitor::HidOnTcp({}, faults);
    ASSERT_TRUE(monitor);
    SystemLinkPlatform platform;
    Pacer pacer;
    CBthSocket socket(platform.ConnectSocket(*ParseLinkTarget(monitor->TcpLink()), pacer));
    ASSERT_TRUE(socket.IsConnected());
    ASSERT_TRUE(socket.Send(IdentifyFrame()));
    std::array<uint8_t, 5> reply{};
    size_t received = 0;
    const auto start = Clock::now();
    socket.Receive(reply, received, 50);
    EXPECT_EQ(received, 2u);
    EXPECT_FALSE(socket.Receive(reply, received, 50));
    EXPECT_LT(Clock::now() - start, 2s);
}

TEST(TcpLink, ConnectingToNothingFailsAndACancelEndsAWait) {
    SystemLinkPlatform platform;
    Pacer pacer;
    EXPECT_FALSE(platform.ConnectSocket(*ParseLinkTarget("tcp:127.0.0.1:1"), pacer));

    const auto monitor = SimulatedMonitor::HidOnTcp();
    CBthSocket socket(platform.ConnectSocket(*ParseLinkTarget(monitor->TcpLink()), pacer));
    ASSERT_TRUE(socket.IsConnected());
    Pacer::Watch watch = pacer.Observe(socket);
    std::thread canceller([&] {
        std::this_thread::sleep_for(50ms);
        pacer.Cancel();
    });
    std::array<uint8_t, 1> byte{};
    size_t received = 0;
    const auto start = Clock::now();
    EXPECT_FALSE(socket.Receive(byte, received, 300));  // 30 s of polls
    EXPECT_LT(Clock::now() - start, 2s);
    canceller.join();
}

}  // namespace
}  // namespace vitalis
