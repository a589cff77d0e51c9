#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "device/hid/HidBlocks.h"
#include "device/link/CHidLink.h"
#include "device/link/MonitorFrames.h"
#include "sim/FaultPlan.h"
#include "sim/HeronEngine.h"
#include "sim/HidGenerationEngine.h"
#include "support/CaseFixtures.h"
#include "support/EngineLines.h"
#include "support/TempFolder.h"

namespace vitalis::sim {
namespace {

using test::Bytes;
using test::ToVector;

std::vector<uint8_t> Joined(const std::vector<Message>& messages) {
    std::vector<uint8_t> all;
    for (const auto& m : messages) all.insert(all.end(), m.begin(), m.end());
    return all;
}

TEST(SimRecording, ASeedGivesADayOrTwoOfRealisticReadings) {
    for (const uint32_t seed : {1u, 2u, 99u, 12345u}) {
        const SimRecording r = GenerateRecording(seed);
        const auto& readings = r.readings;
        ASSERT_GE(readings.size(), 24u * 2 + 10u) << seed;
        const int64_t span = MinutesOf(readings.back().Clock()) - MinutesOf(r.start);
        EXPECT_GE(span, 24 * 60 - 30) << seed;
        EXPECT_LE(span, 48 * 60) << seed;
        int failed = 0;
        for (const Measurement& m : readings) {
            if (!IsSuccessfulStatus(m.status)) {
                ++failed;
                continue;
            }
            EXPECT_TRUE(IsPlausible(m)) << seed << " " << m.index;
            EXPECT_EQ(m.offsetMinutes, MinutesOf(m.Clock()) - MinutesOf(r.start));
        }
        EXPECT_GT(failed, 0) << seed;
        EXPECT_LT(failed, static_cast<int>(readings.size()) / 5) << seed;
    }
    EXPECT_EQ(GenerateRecording(7).readings.size(), GenerateRecording(7).readings.size());
    EXPECT_EQ(GenerateRecording(7).readings[5].sys, GenerateRecording(7).readings[5].sys);
}

TEST(SimRecording, ACaseFileBecomesTheMonitorsMemory) {
    test::TempFolder folder;
    const ClockTime begin{2026, 4, 2, 9, 30};
    const std::string path = folder.File("case.awp");
    test::WriteSampleCase(path, begin, 30);
    Recording recording;
    recording.casePath = path;
    ASSERT_TRUE(recording.Load());
    const SimRecording r = RecordingFromCase(recording);
    EXPECT_EQ(r.start, begin);
    ASSERT_EQ(r.readings.size(), 30u);
    EXPECT_EQ(r.readings[3].offsetMinutes,
              MinutesOf(recording.allMeasurements()[3].Clock()) - MinutesOf(begin));
}

TEST(HeronEngine, OpenAnswersAndStreamsTheWholeRecording) {
    const SimRecording recording = GenerateRecording(4);
    HeronSimOptions options;
    options.variant = 0x34;
    HeronEngine engine(recording, options);
    // Junk and a trailing zero around the open frame do not matter.
    const auto out = engine.Receive(Bytes({0x13, 0x01, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC, 0x00}));
    ASSERT_EQ(out.size(), 4 + recording.readings.size());
    EXPECT_EQ(out[0], Bytes({0x34, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC}));
    EXPECT_EQ(out[1][0], 0x12);
    EXPECT_EQ(out[2][0], 0x55);
    EXPECT_EQ(out[3][0], 0x16);
    EXPECT_EQ(out.back()[0], 0x07);
    EXPECT_TRUE(engine.Receive(Bytes({'T'})).empty());  // not a single-file data set
}

TEST(HeronEngine, SingleFileDataSetOfTheSecondFormAnswersTheHeaderRequest) {
    HeronSimOptions options;
    options.variant = kHeronHeaderAgainVariant;
    options.singleFile = true;
    HeronEngine engine(GenerateRecording(5), options);
    EXPECT_TRUE(engine.Receive(Bytes({'T'})).empty());  // nothing sent yet
    const auto out = engine.Receive(ToVector(HeronOpenFrame()));
    EXPECT_EQ(out[1][7], 0xFF);  // the single-file mark
    const auto header = engine.Receive(Bytes({'T'}));
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(header[0][0], 0x55);
    EXPECT_EQ(header[0].size(), 73u);
}

TEST(HeronEngine, UploadAcknowledgesEveryByteAndHandsOverTheBlock) {
    std::vector<uint8_t> received;
    HeronEngine engine(GenerateRecording(6), {},
                       [&](std::span<const uint8_t> block) { received = ToVector(block); });
    EXPECT_EQ(Joined(engine.Receive(Bytes({0xAA}))), Bytes({0x6C}));
    std::vector<uint8_t> block(70);
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i * 3);
    block[0] = 0x01;  // bytes of an open frame inside the block are just data
    for (size_t i = 0; i < block.size(); ++i)
        ASSERT_EQ(Joined(engine.Receive({&block[i], 1})), Bytes({0x6C})) << i;
    EXPECT_EQ(received, block);
    EXPECT_EQ(engine.OpensAnswered(), 0);
}

struct HidEngineTest : ::testing::Test {
    HidEngineTest() : engine(std::make_shared<HidGenerationEngine>(recording, options, Sink())) {}
    UploadSink Sink() {
        return [this](std::span<const uint8_t> block) { uploaded = ToVector(block); };
    }
    SimRecording recording = GenerateRecording(8);
    HidSimOptions options;
    std::vector<uint8_t> uploaded;
    std::shared_ptr<HidGenerationEngine> engine;
    test::InstantPacer pacer;
};

TEST_F(HidEngineTest, ADownloadOverUsbHidDecodesBackToTheRecording) {
    auto script = EngineHidScript(engine, 65);
    CHidLink link(std::make_unique<ScriptedHidDevice>(script), pacer);
    ASSERT_TRUE(link.OpenToDown());
    std::array<uint8_t, 7> start{};
    ASSERT_TRUE(link.WriteDown(StartFrame()));
    ASSERT_TRUE(link.ReadDown(start));
    EXPECT_TRUE(IsStartReply(start));

    std::array<uint8_t, 4> ack{};
    ASSERT_TRUE(link.WriteDown(ReadBlockFrame(options.deviceType, 1, BlockKind::Settings)));
    ASSERT_TRUE(link.ReadDown(ack));
    EXPECT_TRUE(IsAck(ack, 'C'));
    std::vector<uint8_t> settings(SettingsFrameLength());
    ASSERT_TRUE(link.ReadDown(settings));
    const auto decoded = DecodeSettingsFrame(settings, options.deviceType);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->patientName, recording.patientName);
    EXPECT_EQ(decoded->start, recording.start);

    ASSERT_TRUE(link.WriteDown(ReadBlockFrame(options.deviceType, 1, BlockKind::Measurements)));
    ASSERT_TRUE(link.ReadDown(ack));
    std::vector<uint8_t> headerFrame(MeasurementHeaderFrameLength());
    ASSERT_TRUE(link.ReadDown(headerFrame));
    const auto header = DecodeMeasurementHeaderFrame(headerFrame, options.deviceType);
    ASSERT_TRUE(header);
    ASSERT_EQ(header->recordCount, static_cast<int>(recording.readings.size()));
    for (const Measurement& expected : recording.readings) {
        std::vector<uint8_t> frame(RecordFrameLength());
        ASSERT_TRUE(link.ReadDown(frame));
        const auto m = DecodeRecordFrame(frame, header->start, test::KeyTexts());
        ASSERT_TRUE(m);
        EXPECT_EQ(m->Clock(), expected.Clock());
        EXPECT_EQ(m->sys, expected.sys);
        EXPECT_EQ(m->status, expected.status);
    }
    ASSERT_TRUE(link.WriteDown(EndFrame(options.deviceType)));
    ASSERT_TRUE(link.ReadDown(ack));
    EXPECT_TRUE(IsAck(ack, 'K'));
    EXPECT_TRUE(script->inputReports.empty());
}

TEST_F(HidEngineTest, TheSettingsUploadIsAcknowledgedInTwoParts) {
    std::array<uint8_t, 70> block{};
    block[0] = 'Z';
    block[69] = 0xEE;
    const auto frame = SettingsFrame(options.deviceType, block);
    for (const int reportLength : {65, 49, 9}) {
        uploaded.clear();
        auto script = EngineHidScript(engine, reportLength);
        CHidLink link(std::make_unique<ScriptedHidDevice>(script), pacer);
        ASSERT_TRUE(link.OpenToUp());
        std::array<uint8_t, 4> ack{};
        ASSERT_TRUE(link.WriteUp(AnnounceSettingsFrame(options.deviceType, 1)));
        ASSERT_TRUE(link.ReadUp(ack));
        ASSERT_TRUE(link.WriteUp(std::span(frame).first(kSettingsFirstPart)));
        ASSERT_TRUE(link.ReadUp(ack)) << reportLength;
        EXPECT_TRUE(IsAck(ack, 'D'));
        EXPECT_TRUE(uploaded.empty());
        ASSERT_TRUE(link.WriteUp(std::span(frame).subspan(kSettingsFirstPart)));
        ASSERT_TRUE(link.ReadUp(ack)) << reportLength;
        EXPECT_TRUE(IsAck(ack, 'D'));
        EXPECT_EQ(uploaded, ToVector(block)) << reportLength;
    }
}

TEST_F(HidEngineTest, FramesForAnotherTypeOrUnknownLettersGoUnanswered) {
    EXPECT_TRUE(engine->Receive(ToVector(EndFrame(options.deviceType + 1))).empty());
    EXPECT_TRUE(engine->Receive(Bytes({0x01, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC, 0x00})).empty());
    EXPECT_TRUE(engine->Receive(Bytes({'C', options.deviceType, 1})).empty());  // half a frame
    const auto out = engine->Receive(Bytes({1, 3, 0}));
    ASSERT_EQ(out.size(), 2u);  // the acknowledgement and the oxygen header
    EXPECT_EQ(out[1][0], 'G');
}

TEST(FaultPlan, SilenceHangUpJunkAndStallAtTheirBytes) {
    const auto bytes = Bytes({1, 2, 3, 4, 5, 6, 7, 8});
    FaultOptions silent;
    silent.silentAfter = 5;
    FaultPlan plan(silent);
    EXPECT_EQ(plan.Shape(std::span(bytes).first(3))[0].bytes, Bytes({1, 2, 3}));
    EXPECT_EQ(plan.Shape(bytes)[0].bytes, Bytes({1, 2}));
    EXPECT_TRUE(plan.Silent());
    EXPECT_TRUE(plan.Shape(bytes)[0].bytes.empty());
    plan.Restart();
    EXPECT_EQ(plan.Shape(bytes)[0].bytes.size(), 5u);

    FaultOptions drop;
    drop.dropAfter = 4;
    const auto dropped = FaultPlan(drop).Shape(bytes);
    EXPECT_EQ(dropped.back().bytes, Bytes({1, 2, 3, 4}));
    EXPECT_TRUE(dropped.back().hangUpAfter);

    FaultOptions junk;
    junk.junkAt = 2;
    junk.junkCount = 3;
    const auto junked = FaultPlan(junk).Shape(bytes);
    ASSERT_EQ(junked[0].bytes.size(), 11u);
    for (size_t i = 2; i < 5; ++i) EXPECT_LT(junked[0].bytes[i], 0x80);
    EXPECT_EQ(junked[0].bytes[5], 3);

    FaultOptions stall;
    stall.stallAt = 6;
    stall.stall = std::chrono::milliseconds(250);
    const auto stalled = FaultPlan(stall).Shape(bytes);
    ASSERT_EQ(stalled.size(), 2u);
    EXPECT_EQ(stalled[0].bytes.size(), 6u);
    EXPECT_EQ(stalled[1].pauseBefore, std::chrono::milliseconds(250));
    EXPECT_EQ(stalled[1].bytes, Bytes({7, 8}));
}

}  // namespace
}  // namespace vitalis::sim
