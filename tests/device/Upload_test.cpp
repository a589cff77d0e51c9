#include <gtest/gtest.h>

#include "SessionTestSupport.h"
#include "device/hid/HidBlocks.h"
#include "device/link/MonitorFrames.h"
#include "device/session/UploadBlocks.h"
#include "device/session/UploadChoices.h"
#include "sim/HeronEngine.h"
#include "sim/HidGenerationEngine.h"

namespace vitalis {
namespace {

const LocalTime kNow{{2026, 4, 2, 23, 25}, 41};  // first measurement 23:30

UploadSettings Schedule() {
    UploadChoices c;
    c.patientName = "Ada Test";
    c.patientId = "ID-42";
    c.awakeTime = 14;   // 07:00
    c.awakeSpan = 3;    // 15
    c.asleepTime = 44;  // 22:00
    c.asleepSpan = 0;   // none
    return SettingsFromChoices(c);
}

TEST(UploadBlocks, TheFirstMeasurementsPeriodByte) {
    EXPECT_EQ(FirstMeasurementPeriod(23 * 60 + 30, 22 * 60, 7 * 60, -1, -1), 2);
    EXPECT_EQ(FirstMeasurementPeriod(7 * 60, 22 * 60, 7 * 60, -1, -1), 1);
    EXPECT_EQ(FirstMeasurementPeriod(22 * 60, 22 * 60, 7 * 60, -1, -1), 1);  // strict
    EXPECT_EQ(FirstMeasurementPeriod(3 * 60, 1 * 60, 6 * 60, -1, -1), 2);  // asleep after midnight
    EXPECT_EQ(FirstMeasurementPeriod(12 * 60, 22 * 60, 7 * 60, 12 * 60, 13 * 60), 3);
    EXPECT_EQ(FirstMeasurementPeriod(1 * 60, 22 * 60, 7 * 60, 23 * 60, 2 * 60), 3);
    EXPECT_EQ(FirstMeasurementPeriod(3 * 60, 22 * 60, 7 * 60, 23 * 60, 2 * 60), 2);
}

TEST(UploadBlocks, TheHeronBlock) {
    UploadSettings s = Schedule();
    s.patient.name = std::string(40, 'N');
    const auto block = BuildHeronUploadBlock(s, kNow);
    ASSERT_TRUE(block);
    const auto& b = *block;
    EXPECT_EQ(b[29], 'N');
    EXPECT_EQ(b[30], 'I');  // the name is cut to 30 bytes
    EXPECT_EQ(b[40], 0);
    EXPECT_EQ((std::array<int, 6>{b[41], b[42], b[43], b[44], b[45], b[46]}),
              (std::array<int, 6>{0x07, 0xEA, 4, 2, 23, 25}));
    EXPECT_EQ((std::array<int, 6>{b[47], b[48], b[49], b[50], b[51], b[52]}),
              (std::array<int, 6>{0x07, 0xEA, 4, 2, 23, 30}));
    EXPECT_EQ(b[53], 1);
    EXPECT_EQ(b[54], 24);
    EXPECT_EQ(b[55], 1);  // start key on
    EXPECT_EQ((std::array<int, 6>{b[57], b[58], b[59], b[60], b[61], b[62]}),
              (std::array<int, 6>{7, 0, 15, 22, 0, 0xFF}));     // "none" is 0xFF
    for (int i = 63; i <= 67; ++i) EXPECT_EQ(b[i], 0xFF) << i;  // no special period
    EXPECT_EQ(b[68], 0);
    EXPECT_EQ(b[69], 2);
}

TEST(UploadBlocks, TheHidGenerationBlock) {
    UploadChoices c;
    c.patientName = "Zoë";
    c.patientId = "7";
    c.specialBegin = 25;  // 12:00
    c.specialEnd = 29;    // 14:00
    c.specialSpan = 2;    // 10
    c.startKey = 1;       // off
    const auto block = BuildHidUploadBlock(SettingsFromChoices(c), kNow);
    ASSERT_TRUE(block);
    const auto& b = *block;
    EXPECT_EQ(b[2], 0xEB);  // single-byte ë
    EXPECT_EQ(b[30], '7');
    EXPECT_EQ(b[47], 41);  // seconds
    EXPECT_EQ((std::array<int, 5>{b[54], b[55], b[56], b[57], b[58]}),
              (std::array<int, 5>{12, 0, 10, 14, 0}));
    EXPECT_EQ(b[60], 0);  // the start key is off
    EXPECT_EQ(b[61], 0xFF);
    EXPECT_EQ(b[69], 0);
    // The monitor reads back what was written.
    const HidSettings back = DecodeSettings(b);
    EXPECT_EQ(back.awakeHour, 7);
    EXPECT_EQ(back.asleepInterval, 5);
}

TEST(UploadBlocks, ValuesAMonitorCannotTakeBuildNoBlock) {
    UploadSettings s = Schedule();
    s.schedule.awake.start.hour = 24;
    EXPECT_FALSE(BuildHeronUploadBlock(s, kNow));
    s = Schedule();
    s.schedule.asleep.interval = 300;
    EXPECT_FALSE(BuildHidUploadBlock(s, kNow));
}

TEST(UploadChoices, ListPositionsAsTheDialogStoresThem) {
    UploadChoices c;
    c.awakeTime = 15;
    c.awakeSpan = 9;
    c.specialBegin = 3;
    c.specialEnd = 5;
    c.specialSpan = 0;  // no interval: no special period
    const UploadSettings s = SettingsFromChoices(c);
    EXPECT_EQ(s.schedule.awake.start.minutes(), 450);
    EXPECT_EQ(s.schedule.awake.start.hour, 7);
    EXPECT_EQ(s.schedule.awake.start.minute, 30);
    EXPECT_EQ(s.schedule.awake.interval, 120);
    EXPECT_FALSE(s.schedule.special);
    EXPECT_EQ(IntervalFromPosition(0), -2);
    EXPECT_EQ(IntervalFromPosition(10), -1);
    EXPECT_EQ(PositionFromInterval(120), 9);
    EXPECT_EQ(PositionFromInterval(7), 0);
}

struct UploadSessionTest : ::testing::Test, test::SessionFixture {
    std::vector<std::vector<uint8_t>> programmed;
    UploadSessionTest() { now = kNow; }
    sim::UploadSink Sink() {
        return [this](std::span<const uint8_t> block) {
            programmed.emplace_back(block.begin(), block.end());
        };
    }
};

TEST_F(UploadSessionTest, AHeronMonitorTakesTheBlockByteByByte) {
    auto engine = std::make_shared<sim::HeronEngine>(test::SmallRecording({2026, 1, 1, 8, 0}, 2),
                                                     sim::HeronSimOptions{}, Sink());
    platform.serial.AddPort("ttyUSB0", [engine](uint32_t) { return sim::EngineStream(engine); });
    const SessionResult result = RunSession(SessionKind::Upload, "serial:ttyUSB0",
                                            std::make_unique<test::InstantPacer>(), Schedule());
    EXPECT_TRUE(result.acknowledged);
    ASSERT_EQ(programmed.size(), 1u);
    const auto expected = BuildHeronUploadBlock(Schedule(), kNow);
    EXPECT_EQ(programmed[0], std::vector<uint8_t>(expected->begin(), expected->end()));
    EXPECT_EQ(progress.State(), SessionState::Ended);
    EXPECT_EQ(progress.Progress(), 100);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_UPLOAD_FINISH"});
    // The upload opens at 4800 Bd, after identification's probe at 115200.
    EXPECT_EQ(platform.serial.Opens().back().second, 4800u);
}

TEST_F(UploadSessionTest, AMonitorThatStopsAcknowledgingIsGivenUpOnAfterTenReads) {
    auto engine = std::make_shared<sim::HeronEngine>(test::SmallRecording({2026, 1, 1, 8, 0}, 2),
                                                     sim::HeronSimOptions{});
    platform.serial.AddPort("ttyUSB0", [engine](uint32_t rate) {
        if (rate == 115200) return sim::EngineStream(engine);
        auto line = std::make_unique<ScriptedStream>();
        line->Expect({kHeronUploadOpen}, {kHeronUploadAck});
        line->Expect({'A'}, {kHeronUploadAck});  // the first byte only
        return line;
    });
    const SessionResult result = RunSession(SessionKind::Upload, "serial:ttyUSB0",
                                            std::make_unique<test::InstantPacer>(), Schedule());
    EXPECT_FALSE(result.acknowledged);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_COM_CLOSED"});
    const ScriptedStream& line = *platform.serial.Lines().back();
    EXPECT_EQ(line.Written().size(), 3u);  // open, 'A', 'd': nothing after the silence
    EXPECT_TRUE(line.WasClosed());
    EXPECT_EQ(paused.count(), 5 + 10 + 10 + 10 * 2000);  // flag, probe, open, ten waits
    EXPECT_EQ(progress.Progress(), 1);                   // 1 of 70 bytes
}

TEST_F(UploadSessionTest, AHidGenerationMonitorTakesTheSettingsInTwoParts) {
    platform.hid = sim::EngineHidScript(std::make_shared<sim::HidGenerationEngine>(
        test::SmallRecording({2026, 1, 1, 8, 0}, 2), sim::HidSimOptions{}, Sink()));
    const SessionResult result =
        RunSession(SessionKind::Upload, "usb", std::make_unique<test::InstantPacer>(), Schedule());
    EXPECT_TRUE(result.acknowledged);
    ASSERT_EQ(programmed.size(), 1u);
    const auto expected = BuildHidUploadBlock(Schedule(), kNow);
    EXPECT_EQ(programmed[0], std::vector<uint8_t>(expected->begin(), expected->end()));
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_UPLOAD_FINISH"});
    // Identify 10; announce 10; first part 10 and then 500; second part 10.
    EXPECT_EQ(paused.count(), 5 + 10 + 10 + 510 + 10);
}

TEST_F(UploadSessionTest, AnUnacknowledgedFirstPartStopsTheUpload) {
    std::vector<std::vector<uint8_t>> reports;
    auto engine = std::make_shared<sim::HidGenerationEngine>(
        test::SmallRecording({2026, 1, 1, 8, 0}, 2), sim::HidSimOptions{}, Sink());
    platform.hid = sim::EngineHidScript(engine);
    platform.hid->responder = [engine](std::span<const uint8_t> payload) {
        auto out = engine->Receive(payload);
        if (!payload.empty() && payload[0] == kSettingsCommand) out.clear();
        return out;
    };
    const SessionResult result =
        RunSession(SessionKind::Upload, "usb", std::make_unique<test::InstantPacer>(), Schedule());
    EXPECT_FALSE(result.acknowledged);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"IDS_COM_CLOSED"});
    EXPECT_TRUE(programmed.empty());
    EXPECT_EQ(progress.Progress(), 0);
}

}  // namespace
}  // namespace vitalis
