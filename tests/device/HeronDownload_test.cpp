#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "SessionTestSupport.h"
#include "case/Recording.h"
#include "device/link/MonitorFrames.h"
#include "sim/HeronEngine.h"
#include "sim/HeronPacketWriter.h"

namespace vitalis {
namespace {

using test::SmallRecording;

struct HeronDownloadTest : ::testing::Test, test::SessionFixture {
    std::shared_ptr<sim::HeronEngine> engine;

    void Monitor(sim::SimRecording recording, uint8_t variant, bool singleFile) {
        sim::HeronSimOptions options;
        options.variant = variant;
        options.singleFile = singleFile;
        engine = std::make_shared<sim::HeronEngine>(std::move(recording), options);
        platform.serial.AddPort("ttyUSB0", [this](uint32_t) { return sim::EngineStream(engine); });
    }
    // A monitor whose line carries exactly these bytes after the open reply.
    void RawMonitor(std::vector<uint8_t> afterOpen, const std::string& port = "ttyUSB0") {
        platform.serial.AddPort(port, [afterOpen](uint32_t) {
            auto line = std::make_unique<ScriptedStream>();
            std::vector<uint8_t> reply{kHeronVariantA};
            reply.insert(reply.end(), kSignature.begin(), kSignature.end());
            line->SetResponder([reply, afterOpen, seen = std::vector<uint8_t>()](
                                   std::span<const uint8_t> written) mutable {
                seen.insert(seen.end(), written.begin(), written.end());
                const auto open = HeronSerialOpenFrame();
                if (seen.size() != open.size() ||
                    !std::equal(open.begin(), open.end(), seen.begin()))
                    return std::vector<uint8_t>{};
                std::vector<uint8_t> out = reply;
                out.insert(out.end(), afterOpen.begin(), afterOpen.end());
                return out;
            });
            return line;
        });
    }
    ScriptedStream& LastLine() { return *platform.serial.Lines().back(); }
};

std::vector<uint8_t> Concat(const std::vector<sim::Message>& messages) {
    std::vector<uint8_t> out;
    for (const auto& m : messages) out.insert(out.end(), m.begin(), m.end());
    return out;
}

std::vector<uint8_t> Packets(const sim::SimRecording& r, uint32_t announced, bool single = false) {
    std::array<uint8_t, 6> address{0x00, 0x1B, 0x35,
                                   0x12, 0x7A, static_cast<uint8_t>(single ? 0xFF : 0x40)};
    std::vector<sim::Message> out{sim::HeronAddressPacket(address),
                                  sim::HeronHeaderPacket(r, static_cast<int>(r.readings.size())),
                                  sim::HeronCountPacket(announced)};
    for (const Measurement& m : r.readings) out.push_back(sim::HeronMeasurementPacket(m));
    return Concat(out);
}

Recording Loaded(const std::string& path) {
    Recording recording;
    recording.casePath = path;
    EXPECT_TRUE(recording.Load()) << path;
    return recording;
}

TEST_F(HeronDownloadTest, TheSplitWriterFilesEachMonthAndTheWaitsAreTheMonitorsOwn) {
    // 40 readings every 2 hours from the 29th of March: they span two months.
    Monitor(SmallRecording({2026, 3, 29, 10, 0}, 40, 120), kHeronVariantA, false);
    const SessionResult result = RunSession(SessionKind::Download, "serial:ttyUSB0");
    ASSERT_EQ(result.savedPaths.size(), 2u);
    EXPECT_EQ(progress.State(), SessionState::Saved);
    EXPECT_EQ(progress.Progress(), 100);
    EXPECT_EQ(progress.Snapshot().readingsReceived, 40);  // counted reading by reading
    EXPECT_EQ(progress.Snapshot().readingsAnnounced, 40);
    const std::string folder = this->folder.path() + "/Global Setting:IDS_TRE_PRESSURE/2026/";
    EXPECT_EQ(result.savedPaths[0], folder + "3.awp");
    EXPECT_EQ(result.savedPaths[1], folder + "4.awp");
    const Recording march = Loaded(result.savedPaths[0]);
    const Recording april = Loaded(result.savedPaths[1]);
    EXPECT_EQ(march.allMeasurements().size() + april.allMeasurements().size(), 40u);
    EXPECT_EQ(march.patient.name, "Ada Test");
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_MSG_FINISH"});
    EXPECT_EQ(LastDetail(), result.savedPaths[0] + "\r\n" + result.savedPaths[1]);
    // No "T" for a split data set, whatever the reply form.
    EXPECT_EQ(std::count(LastLine().Written().begin(), LastLine().Written().end(), 0x54), 0);
    // The start flag's 5, probe and open 5 + 5 each, 43 packets at 50 + 15, the closing 50.
    EXPECT_EQ(paused.count(), 5 + 20 + 43 * 65 + 50);
}

// A reading the monitor dates impossibly belongs in no month: it is left out and counted, in
// the message and in the session's closing note, never dropped without a word.
TEST_F(HeronDownloadTest, ReadingsWithoutAValidDateAreCountedNotFiled) {
    auto recording = SmallRecording({2026, 3, 30, 8, 0}, 6, 60);
    recording.readings[2].month = 13;
    recording.readings[4].day = 0;
    Monitor(recording, kHeronVariantA, false);
    const SessionResult result = RunSession(SessionKind::Download, "serial:ttyUSB0");
    ASSERT_EQ(result.savedPaths.size(), 1u);
    EXPECT_EQ(result.skippedReadings, 2);
    EXPECT_EQ(Loaded(result.savedPaths[0]).allMeasurements().size(), 4u);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_MSG_FINISH"});
    EXPECT_EQ(LastDetail(), result.savedPaths[0] + "\r\nGlobal Setting:IDS_SKIPPED_READINGS 2");
    EXPECT_EQ(SessionEndNote(result),
              "saved 1 case file(s), readings left out for want of a valid date: 2");
}

TEST_F(HeronDownloadTest, MonthFilesAreExtendedAfterAWholeDownloadOnly) {
    const auto recording = SmallRecording({2026, 3, 30, 8, 0}, 6, 60);
    // First a download that loses its line halfway: nothing may change.
    Monitor(recording, kHeronVariantA, false);
    RunSession(SessionKind::Download, "serial:ttyUSB0");
    ASSERT_EQ(Files().size(), 1u);
    const std::string month = Files()[0];
    const std::string before = test::ReadBytes(month);

    RawMonitor(
        [&] {
            auto bytes = Packets(recording, 6);
            bytes.resize(bytes.size() - 30);  // the last reading and a half never come
            return bytes;
        }(),
        "ttyUSB1");
    const SessionResult cut = RunSession(SessionKind::Download, "serial:ttyUSB1");
    EXPECT_TRUE(cut.savedPaths.empty());
    EXPECT_EQ(progress.State(), SessionState::Ended);
    EXPECT_EQ(test::ReadBytes(month), before);
}

// A month file that cannot be written is the one the message names, and no file is written.
TEST_F(HeronDownloadTest, AMonthFileThatCannotBeWrittenIsNamedAndNoFileIsWritten) {
    // 40 readings every 2 hours from the 29th of March: March and April.
    Monitor(SmallRecording({2026, 3, 29, 10, 0}, 40, 120), kHeronVariantA, false);
    const std::string months = this->folder.path() + "/Global Setting:IDS_TRE_PRESSURE/2026/";
    std::filesystem::create_directories(months + "4.awp");  // April's file cannot be written
    const SessionResult result = RunSession(SessionKind::Download, "serial:ttyUSB0");
    EXPECT_TRUE(result.savedPaths.empty());
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_FAILEDFILE"});
    EXPECT_EQ(LastDetail(), months + "4.awp");
    EXPECT_TRUE(Files().empty());
}

TEST_F(HeronDownloadTest, MissingReadingsEndTheSessionWithTheirCountAndNoFile) {
    const auto recording = SmallRecording({2026, 5, 1, 8, 0}, 5);
    auto bytes = Packets(recording, 8);  // announces 8, sends 5
    RawMonitor(bytes);
    const SessionResult result = RunSession(SessionKind::Download, "serial:ttyUSB0");
    EXPECT_TRUE(result.savedPaths.empty());
    EXPECT_EQ(progress.State(), SessionState::Ended);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_READINGS_MISSING"});
    EXPECT_EQ(LastDetail(), "5/8");
    EXPECT_TRUE(Files().empty());
    // The missing readings are asked for ten times before the session gives up.
    EXPECT_GE(paused.count(), 10 * 50);
}

TEST_F(HeronDownloadTest, ADamagedReadingSavesNothing) {
    const auto recording = SmallRecording({2026, 5, 1, 8, 0}, 4);
    auto bytes = Packets(recording, 4);
    bytes[bytes.size() - 10] = 0x05;  // a byte of the last reading loses its high bit
    RawMonitor(bytes);
    RunSession(SessionKind::Download, "serial:ttyUSB0");
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_READING_UNREADABLE"});
    EXPECT_TRUE(Files().empty());
}

TEST_F(HeronDownloadTest, JunkBetweenPacketsIsSkipped) {
    const auto recording = SmallRecording({2026, 5, 1, 8, 0}, 3);
    std::vector<uint8_t> bytes{0x99, 0x00, 0xE3};
    const auto packets = Packets(recording, 3);
    bytes.insert(bytes.end(), packets.begin(), packets.end());
    RawMonitor(bytes);
    const SessionResult result = RunSession(SessionKind::Download, "serial:ttyUSB0");
    EXPECT_EQ(result.savedPaths.size(), 1u);
}

TEST_F(HeronDownloadTest, AMonitorThatHoldsNothingSaysSo) {
    RawMonitor(Packets(SmallRecording({2026, 5, 1, 8, 0}, 0), 0));
    RunSession(SessionKind::Download, "serial:ttyUSB0");
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_BP_RECEIVED"});
    EXPECT_TRUE(Files().empty());
}

TEST_F(HeronDownloadTest, AMonitorThatSendsNothingIsToldApart) {
    RawMonitor({});
    RunSession(SessionKind::Download, "serial:ttyUSB0");
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_NORECIEVE_DATA"});
    EXPECT_TRUE(Files().empty());
}

TEST_F(HeronDownloadTest, AnAbsurdCountIsNotWaitedFor) {
    RawMonitor(Packets(SmallRecording({2026, 5, 1, 8, 0}, 2), 0xFFFFFFF0u));
    RunSession(SessionKind::Download, "serial:ttyUSB0");
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_TOO_MANY_READINGS"});
    EXPECT_LT(paused.count(), 1000);
}

TEST_F(HeronDownloadTest, OneFileHoldsEveryReadingAndTheSecondFormSendsItsHeaderAgain) {
    auto recording = SmallRecording({2026, 3, 30, 22, 0}, 40, 90);
    Monitor(recording, kHeronVariantB, true);
    const SessionResult result = RunSession(SessionKind::Download, "serial:ttyUSB0");
    ASSERT_EQ(result.savedPaths.size(), 1u);
    EXPECT_EQ(result.savedPaths[0], folder.path() + "/Global Setting:IDS_USER1/20260402094117.awp");
    const Recording saved = Loaded(result.savedPaths[0]);
    ASSERT_EQ(saved.allMeasurements().size(), 40u);
    EXPECT_EQ(saved.allMeasurements().back().Clock(), recording.readings.back().Clock());
    EXPECT_EQ(saved.testBegin, recording.start);
    EXPECT_EQ(saved.patient.id, "ID-42");
    const auto& written = LastLine().Written();
    EXPECT_EQ(written.back(), kHeronHeaderRequest);
}

TEST_F(HeronDownloadTest, TheFirstFormGetsNoHeaderRequestYetItsFileStillOpens) {
    Monitor(SmallRecording({2026, 6, 1, 9, 0}, 3), kHeronVariantA, true);
    const SessionResult result = RunSession(SessionKind::Download, "serial:ttyUSB0");
    ASSERT_EQ(result.savedPaths.size(), 1u);
    EXPECT_EQ(Loaded(result.savedPaths[0]).allMeasurements().size(), 3u);
    const auto& written = LastLine().Written();
    EXPECT_EQ(std::count(written.begin(), written.end(), kHeronHeaderRequest), 0);
}

TEST_F(HeronDownloadTest, CancelDuringTheDataPhaseClosesTheLineAndSavesNothing) {
    Monitor(SmallRecording({2026, 6, 1, 9, 0}, 20), kHeronVariantA, true);
    // Pauses: start flag 2, probe 2, open 2; then the data phase.
    const SessionResult result = RunSession(SessionKind::Download, "serial:ttyUSB0",
                                            std::make_unique<test::CancellingPacer>(15));
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.savedPaths.empty());
    EXPECT_TRUE(Files().empty());
    EXPECT_TRUE(MessageKeys().empty());
    EXPECT_EQ(progress.State(), SessionState::Ended);
    EXPECT_EQ(progress.Snapshot().statusText, "ZuzodIriz:IDS_SESSION_CANCELLED");
    EXPECT_TRUE(LastLine().WasClosed());
}

TEST_F(HeronDownloadTest, NoMonitorAsksToRetryUntilCancelled) {
    platform.serial.AddPort("ttyUSB0", [](uint32_t) { return std::make_unique<ScriptedStream>(); });
    ui = std::make_unique<PolicySessionUi>(2);
    const SessionResult result = RunSession(SessionKind::Download, "usb");
    EXPECT_TRUE(result.savedPaths.empty());
    EXPECT_EQ(ui->RetriesGiven(), 2);
    EXPECT_EQ(MessageKeys(),
              (std::vector<std::string>{"IDS_TRY_CANCEL", "IDS_TRY_CANCEL", "IDS_TRY_CANCEL"}));
    EXPECT_EQ(progress.State(), SessionState::Ended);
    // Cancel on the question is the user's cancel, not a failure.
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(progress.Snapshot().statusText, "ZuzodIriz:IDS_SESSION_CANCELLED");
}

}  // namespace
}  // namespace vitalis
