#include <gtest/gtest.h>

#include <functional>

#include "SessionTestSupport.h"
#include "case/CaseFileNames.h"
#include "case/Recording.h"
#include "device/hid/HidBlocks.h"
#include "device/link/HighBitPacking.h"
#include "device/link/MonitorFrames.h"
#include "sim/HidGenerationEngine.h"

namespace vitalis {
namespace {

using test::SmallRecording;
constexpr uint8_t kType = 0x05;

// The simulated HID-generation monitor, with a hand in what it answers.
class TamperedMonitor final : public sim::MonitorEngine {
  public:
    using Tamper = std::function<void(std::span<const uint8_t> in, std::vector<sim::Message>&)>;
    TamperedMonitor(sim::SimRecording recording, Tamper tamper)
        : inner_(std::move(recording), {kType, 0x01, 0x84}), tamper_(std::move(tamper)) {}
    std::vector<sim::Message> Receive(std::span<const uint8_t> bytes) override {
        auto out = inner_.Receive(bytes);
        if (tamper_) tamper_(bytes, out);
        return out;
    }
    void Reset() override { inner_.Reset(); }

  private:
    sim::HidGenerationEngine inner_;
    Tamper tamper_;
};

bool IsMeasurementRequest(std::span<const uint8_t> in, uint8_t selector) {
    return in.size() >= 5 && in[0] == kBlockCommand && in[2] == 0x01 && in[3] == selector &&
           in[4] == static_cast<uint8_t>(BlockKind::Measurements);
}

// Data set 3 with these readings.
TamperedMonitor::Tamper SingleUserSet(sim::SimRecording alone) {
    return [alone](std::span<const uint8_t> in, std::vector<sim::Message>& out) {
        if (!IsMeasurementRequest(in, 3)) return;
        HidMeasurementHeader header{static_cast<int>(alone.readings.size()), alone.start};
        sim::Message prefixed{kMeasurementHeaderMarker, kType};
        const auto packed = PackHighBits(EncodeMeasurementHeader(header));
        prefixed.insert(prefixed.end(), packed.begin(), packed.end());
        out.resize(1);  // the acknowledgement stays
        out.push_back(prefixed);
        for (const Measurement& m : alone.readings) out.push_back(PackHighBits(EncodeRecord(m)));
    };
}

struct HidDownloadTest : ::testing::Test, test::SessionFixture {
    void Monitor(sim::SimRecording recording, TamperedMonitor::Tamper tamper = {}) {
        platform.hid = sim::EngineHidScript(
            std::make_shared<TamperedMonitor>(std::move(recording), std::move(tamper)));
    }
};

Recording Loaded(const std::string& path) {
    Recording recording;
    recording.casePath = path;
    EXPECT_TRUE(recording.Load()) << path;
    return recording;
}

TEST_F(HidDownloadTest, TheRecordingAloneIsFiledUnderItsTestBegin) {
    auto recording = SmallRecording({2026, 2, 27, 8, 5}, 12);
    recording.readings[4].status = 6;  // a failed reading
    Monitor(recording);
    const SessionResult result = RunSession(SessionKind::Download, "usb");
    ASSERT_EQ(result.savedPaths.size(), 1u);
    EXPECT_EQ(result.savedPaths[0], folder.path() + "/2602270805.awp");
    EXPECT_EQ(progress.State(), SessionState::Saved);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_FILESAVE"});
    const Recording saved = Loaded(result.savedPaths[0]);
    ASSERT_EQ(saved.allMeasurements().size(), 12u);
    EXPECT_EQ(saved.allMeasurements()[11].Clock(), recording.readings[11].Clock());
    EXPECT_EQ(saved.allMeasurements()[4].valid, 0);
    EXPECT_EQ(saved.allMeasurements()[4].remark, "Global Setting:IDS_LOOSE_CUFF");
    EXPECT_EQ(saved.patient.name, "Ada Test");
    // Session start, settings request 50 + 5, two data sets 50 + 5 each.
    EXPECT_EQ(paused.count(), 5 + 10 + 3 * 55);
}

TEST_F(HidDownloadTest, ASecondDownloadOfTheSameRecordingReplacesItsFile) {
    Monitor(SmallRecording({2026, 2, 27, 8, 5}, 12));
    RunSession(SessionKind::Download, "usb");
    const SessionResult again = RunSession(SessionKind::Download, "usb");
    ASSERT_EQ(again.savedPaths.size(), 1u);
    EXPECT_EQ(Loaded(again.savedPaths[0]).allMeasurements().size(), 12u);
}

TEST_F(HidDownloadTest, BothDataSetsGetFilesNamedByTheClock) {
    Monitor(SmallRecording({2026, 2, 27, 8, 5}, 6),
            SingleUserSet(SmallRecording({2026, 3, 1, 12, 0}, 2)));
    const SessionResult result = RunSession(SessionKind::Download, "usb");
    ASSERT_EQ(result.savedPaths.size(), 2u);
    EXPECT_EQ(result.savedPaths[0], folder.path() + "/Vitalis/260402094117.awp");
    EXPECT_EQ(result.savedPaths[1], folder.path() + "/Vitalis/User1/260402094117.awp");
    EXPECT_EQ(Loaded(result.savedPaths[0]).allMeasurements().size(), 6u);
    const Recording alone = Loaded(result.savedPaths[1]);
    ASSERT_EQ(alone.allMeasurements().size(), 2u);
    EXPECT_EQ(alone.allMeasurements()[1].Clock(), (ClockTime{2026, 3, 1, 12, 30}));
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_MSG_FINISH"});
    EXPECT_NE(LastDetail().find("IDS_USERFILESAVE\r\n" + result.savedPaths[1]), std::string::npos);
}

TEST_F(HidDownloadTest, AMissingRecordEndsTheSessionWithTheCountsAndNoFile) {
    Monitor(SmallRecording({2026, 2, 27, 8, 5}, 3),
            [](std::span<const uint8_t> in, std::vector<sim::Message>& out) {
                if (IsMeasurementRequest(in, 1)) out.pop_back();
            });
    const SessionResult result = RunSession(SessionKind::Download, "usb");
    EXPECT_TRUE(result.savedPaths.empty());
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_READINGS_MISSING"});
    EXPECT_EQ(LastDetail(), "2/3");
    EXPECT_TRUE(Files().empty());
    EXPECT_EQ(progress.State(), SessionState::Ended);
}

TEST_F(HidDownloadTest, AnEmptyMonitorSaysItHoldsNothing) {
    Monitor(SmallRecording({2026, 2, 27, 8, 5}, 0));
    RunSession(SessionKind::Download, "usb");
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_BP_RECEIVED"});
    EXPECT_TRUE(Files().empty());
}

TEST_F(HidDownloadTest, AnUnreadableSettingsBlockIsAnError) {
    Monitor(SmallRecording({2026, 2, 27, 8, 5}, 2),
            [](std::span<const uint8_t> in, std::vector<sim::Message>& out) {
                if (in.size() > 4 && in[0] == kBlockCommand && in[4] == 1 && out.size() == 2)
                    out[1][10] &= 0x7F;
            });
    RunSession(SessionKind::Download, "usb");
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_MSG_ERROR"});
    EXPECT_TRUE(Files().empty());
}

TEST_F(HidDownloadTest, AnUnknownDeviceTypeIsRefusedBeforeTheSession) {
    sim::HidSimOptions options;
    options.deviceType = 0x20;
    platform.hid = sim::EngineHidScript(std::make_shared<sim::HidGenerationEngine>(
        SmallRecording({2026, 2, 27, 8, 5}, 2), options));
    RunSession(SessionKind::Download, "usb");
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_DEVICE_ERROR"});
    EXPECT_EQ(progress.State(), SessionState::Ended);
}

TEST_F(HidDownloadTest, CancelWhileReadingLeavesNoFile) {
    Monitor(SmallRecording({2026, 2, 27, 8, 5}, 4));
    const SessionResult result =
        RunSession(SessionKind::Download, "usb", std::make_unique<test::CancellingPacer>(5));
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(Files().empty());
    EXPECT_TRUE(MessageKeys().empty());
    EXPECT_EQ(platform.hid->closes, platform.hid->opens);
}

}  // namespace
}  // namespace vitalis
