#include "device/link/MonitorFrames.h"

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "device/link/HighBitPacking.h"

namespace vitalis {
namespace {

using test::Bytes;
using test::ToVector;

TEST(MonitorFrames, CommandFramesAreTheFixedBytes) {
    EXPECT_EQ(ToVector(HeronSerialOpenFrame()), Bytes({0x01, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC, 0x00}));
    EXPECT_EQ(ToVector(IdentifyFrame()), Bytes({'@', 0x8F, 0xFF, 0xFE, 0xFD, 0xFC}));
    EXPECT_EQ(ToVector(StartFrame()), Bytes({'B', 0x8F, 0xFF, 0xFE, 0xFD, 0xFC}));
    EXPECT_EQ(ToVector(ReadBlockFrame(0x52, 3, BlockKind::Measurements)),
              Bytes({'C', 0x52, 0x01, 0x03, 0x02, 0x00}));
    EXPECT_EQ(ToVector(AnnounceSettingsFrame(0x52, 1)), Bytes({'C', 0x52, 0x02, 0x01, 0x01, 0x00}));
    EXPECT_EQ(ToVector(EndFrame(0x52)), Bytes({'K', 0x52, 0x01, 0x00, 0x00, 0x00}));

    std::array<uint8_t, 70> settings{};
    settings[0] = 0xC8;
    const auto frame = SettingsFrame(0x52, settings);
    ASSERT_EQ(frame.size(), 82u);
    EXPECT_EQ(frame[0], 'D');
    EXPECT_EQ(frame[1], 0x52);
    std::vector<uint8_t> raw;
    EXPECT_EQ(UnpackHighBits(std::span(frame).subspan(2), raw, 70), UnpackResult::Good);
    EXPECT_EQ(raw[0], 0xC8);
}

TEST(MonitorFrames, HeronOpenReplyHasTwoForms) {
    EXPECT_EQ(HeronOpenReplyVariant(Bytes({0x02, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC})), 0x02);
    EXPECT_EQ(HeronOpenReplyVariant(Bytes({0x34, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC})), 0x34);
    EXPECT_FALSE(HeronOpenReplyVariant(Bytes({0x03, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC})));
    EXPECT_FALSE(HeronOpenReplyVariant(Bytes({0x02, 0x8F, 0xFF, 0xFE, 0xFD, 0xFD})));
    EXPECT_FALSE(HeronOpenReplyVariant(Bytes({0x02, 0x8F, 0xFF, 0xFE, 0xFD})));
}

TEST(MonitorFrames, IdentifyReplyFeatureFlagNeedsBitSeven) {
    auto reply = ParseIdentifyReply(Bytes({'A', 0x01, 0x53, 0x02, 0x84}));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->deviceType, 0x53);
    EXPECT_EQ(reply->deviceSubType, 0x02);
    EXPECT_EQ(reply->featureFlag, true);
    reply = ParseIdentifyReply(Bytes({'A', 0x01, 0x53, 0x02, 0x80}));
    EXPECT_EQ(reply->featureFlag, false);
    reply = ParseIdentifyReply(Bytes({'A', 0x01, 0x53, 0x02, 0x04}));
    EXPECT_FALSE(reply->featureFlag.has_value());
    EXPECT_FALSE(ParseIdentifyReply(Bytes({'a', 0x01, 0x53, 0x02, 0x84})));
    EXPECT_FALSE(ParseIdentifyReply(Bytes({'A', 0x01, 0x53, 0x02})));
}

TEST(MonitorFrames, AcknowledgementsRepeatTheCommandLetter) {
    EXPECT_TRUE(IsAck(Bytes({'J', 'C', 0x01, 0x77}), 'C'));
    EXPECT_FALSE(IsAck(Bytes({'J', 'D', 0x01, 0x00}), 'C'));
    EXPECT_FALSE(IsAck(Bytes({'J', 'C', 0x00, 0x00}), 'C'));
    EXPECT_FALSE(IsAck(Bytes({'J', 'C', 0x01}), 'C'));
    EXPECT_TRUE(IsStartReply(Bytes({'H', 0, 0, 0, 0, 0, 0})));
    EXPECT_FALSE(IsStartReply(Bytes({'H', 0, 0, 0, 0, 0})));
}

}  // namespace
}  // namespace vitalis
