#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "device/link/CBthLinkHeron.h"
#include "device/link/CBthLinkHid.h"
#include "device/link/CBthSocket.h"
#include "device/link/MonitorFrames.h"
#include "support/ScriptedStream.h"

namespace vitalis {
namespace {

using test::Bytes;
using test::InstantPacer;
using test::ToVector;

const std::vector<uint8_t> kReplyA = Bytes({0x02, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC});

struct SocketTest : ::testing::Test {
    SocketTest() {
        auto owned = std::make_unique<ScriptedStream>("peer");
        line = owned.get();
        socket.Attach(std::move(owned));
    }
    ScriptedStream* line;
    CBthSocket socket;
    InstantPacer pacer;
    LinkTiming timing;
};

TEST_F(SocketTest, ReceiveWaitsItsPollsForTheFirstByteThenTakesWhatFollows) {
    std::array<uint8_t, 6> buffer{};
    size_t received = 99;
    EXPECT_FALSE(socket.Receive(buffer, received, 10));  // nothing came
    EXPECT_EQ(received, 0u);
    EXPECT_EQ(line->LastTimeouts().readConstant, std::chrono::milliseconds(1000));

    line->Send(Bytes({1, 2, 3, 4, 5}));
    EXPECT_TRUE(socket.Receive(buffer, received, 10));  // five of six still succeeds
    EXPECT_EQ(received, 5u);
    EXPECT_EQ(line->LastTimeouts().readInterval, std::chrono::milliseconds(100));

    EXPECT_FALSE(socket.Receive({}, received, 10));
    EXPECT_FALSE(socket.Receive(buffer, received, 0));
    line->Vanish();
    line->Send(Bytes({1}));
    EXPECT_FALSE(socket.Receive(buffer, received, 10));
    EXPECT_FALSE(socket.Send(Bytes({1})));
}

TEST_F(SocketTest, HeronDownloadOpenDiscardsStaleBytesAndTriesTwice) {
    line->Send(Bytes({0x07, 0x81, 0x82}));                         // left over from an earlier open
    line->Expect(ToVector(HeronOpenFrame()), Bytes({0x02, 0x8F}))  // a reply cut short
        .Expect(ToVector(HeronOpenFrame()), kReplyA);
    CBthLinkHeron link(socket, pacer, timing);
    ASSERT_TRUE(link.OpenToDown());
    EXPECT_EQ(link.HeronVariant(), 0x02);
    EXPECT_EQ(line->Written().size(), 12u);
    EXPECT_EQ(pacer.paused, std::chrono::milliseconds(200));
}

TEST_F(SocketTest, HeronDownloadOpenGivesUpAfterTwoWrongReplies) {
    const auto wrong = Bytes({0x02, 0x8F, 0xFF, 0xFE, 0xFD, 0x00});
    line->Expect(ToVector(HeronOpenFrame()), wrong).Expect(ToVector(HeronOpenFrame()), wrong);
    CBthLinkHeron link(socket, pacer, timing);
    EXPECT_FALSE(link.OpenToDown());
    EXPECT_TRUE(line->ScriptDone());
}

TEST_F(SocketTest, HeronUploadOpenWaitsForTheAnswer) {
    line->Expect(Bytes({0xAA}), Bytes({0x6C}));
    CBthLinkHeron link(socket, pacer, timing);
    ASSERT_TRUE(link.OpenToUp());
    EXPECT_EQ(pacer.paused, std::chrono::milliseconds(3000));
    EXPECT_EQ(line->LastTimeouts().readConstant, std::chrono::milliseconds(100 * 1000));

    // Reads of the Heron channel succeed with whatever part came.
    line->Send(Bytes({0x6C, 0x6C}));
    std::array<uint8_t, 4> buffer{};
    const LinkRead read = link.ReadUp(buffer);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.count, 2u);
    link.CloseUp();
    EXPECT_FALSE(socket.IsConnected());
}

TEST_F(SocketTest, HidChannelReadsSucceedOnlyWhenEveryByteCame) {
    CBthLinkHid link(socket, pacer, timing);
    EXPECT_TRUE(link.OpenToDown());  // nothing to say first
    line->Send(Bytes({'J', 'C', 0x01, 0x00, 'F', 0x05}));
    std::array<uint8_t, 4> ack{};
    EXPECT_TRUE(link.ReadDown(ack).ok);
    EXPECT_EQ(ack[1], 'C');
    std::array<uint8_t, 14> header{};
    const LinkRead partial = link.ReadDown(header);
    EXPECT_FALSE(partial.ok);
    EXPECT_EQ(partial.count, 2u);
    EXPECT_EQ(line->LastTimeouts().readConstant, std::chrono::milliseconds(1000));
    EXPECT_TRUE(link.WriteDown(ToVector(EndFrame(5))));
    link.CloseDown();
    EXPECT_FALSE(link.OpenToUp());
}

TEST_F(SocketTest, CancelReachesTheSocketOfAChannel) {
    CBthLinkHid link(socket, pacer, timing);
    line->Send(Bytes({1, 2, 3}));
    pacer.Cancel();
    std::array<uint8_t, 3> buffer{};
    EXPECT_FALSE(link.ReadDown(buffer).ok);
}

}  // namespace
}  // namespace vitalis
