#include "device/link/CHidLink.h"

#include <gtest/gtest.h>

#include <numeric>

#include "DeviceTestSupport.h"
#include "device/hid/HidReports.h"
#include "support/ScriptedHidDevice.h"

namespace vitalis {
namespace {

using test::InstantPacer;

std::vector<uint8_t> Counting(size_t n) {
    std::vector<uint8_t> message(n);
    std::iota(message.begin(), message.end(), uint8_t{1});
    return message;
}

struct HidLinkTest : ::testing::Test {
    std::shared_ptr<HidScript> script = std::make_shared<HidScript>();
    InstantPacer pacer;
    std::unique_ptr<CHidLink> Link() {
        return std::make_unique<CHidLink>(std::make_unique<ScriptedHidDevice>(script), pacer);
    }
};

TEST_F(HidLinkTest, MessagesAreCutIntoZeroPaddedReportsBehindReportIdZero) {
    auto link = Link();
    ASSERT_TRUE(link->OpenToDown());
    EXPECT_EQ(link->ReportLength(), 65);

    ASSERT_TRUE(link->WriteDown(Counting(64)));
    ASSERT_EQ(script->outputReports.size(), 1u);
    EXPECT_EQ(script->outputReports[0][0], 0);
    EXPECT_EQ(
        std::vector<uint8_t>(script->outputReports[0].begin() + 1, script->outputReports[0].end()),
        Counting(64));

    ASSERT_TRUE(link->WriteDown(Counting(65)));
    ASSERT_EQ(script->outputReports.size(), 3u);
    const auto& last = script->outputReports[2];
    EXPECT_EQ(last.size(), 65u);
    EXPECT_EQ(last[1], 65);
    EXPECT_TRUE(std::all_of(last.begin() + 2, last.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(HidLinkTest, ReadingPutsEachReportInItsPlace) {
    script->reportLength = 9;  // eight message bytes a report
    auto link = Link();
    ASSERT_TRUE(link->OpenToUp());
    const auto message = Counting(20);
    script->SendMessage(message);
    EXPECT_EQ(script->inputReports.size(), 3u);
    std::vector<uint8_t> got(20);
    const LinkRead read = link->ReadUp(got);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.count, 20u);
    EXPECT_EQ(got, message);
}

TEST_F(HidLinkTest, AMissingReportFailsTheReadButTheOthersStillArrive) {
    script->reportLength = 5;
    auto link = Link();
    ASSERT_TRUE(link->OpenToDown());
    script->SendMessage(Counting(6));  // two reports where three are read
    std::vector<uint8_t> got(10, 0xEE);
    const LinkRead read = link->ReadDown(got);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.count, 8u);  // two whole reports, padding included
    EXPECT_EQ(got[5], 6);
    EXPECT_EQ(got[7], 0);
    EXPECT_EQ(got[8], 0xEE);  // what no report brought is left alone

    script->failWrites = true;
    EXPECT_FALSE(link->WriteDown(Counting(12)));
    EXPECT_EQ(script->outputReports.size(), 0u);
}

TEST_F(HidLinkTest, NoDeviceOrAnUnusableReportLengthFailsTheOpen) {
    for (const int length : {0, -1, 1}) {
        script->reportLength = length;
        auto link = Link();
        EXPECT_FALSE(link->OpenToDown()) << length;
        std::array<uint8_t, 4> buffer{};
        EXPECT_FALSE(link->ReadDown(buffer).ok);
        EXPECT_FALSE(link->WriteDown(buffer));
    }
    // The next open asks the device again.
    script->reportLength = 33;
    auto link = Link();
    EXPECT_TRUE(link->OpenToDown());
    link->CloseDown();
    EXPECT_EQ(script->closes, 2);  // the report length of 1 and this one
    std::array<uint8_t, 4> buffer{};
    EXPECT_FALSE(link->WriteDown(buffer));
}

TEST(HidReports, ReportArithmeticNeverRunsPastEitherEnd) {
    EXPECT_EQ(ReportCount(64, 65), 1u);
    EXPECT_EQ(ReportCount(65, 65), 2u);
    EXPECT_EQ(ReportCount(0, 65), 0u);
    EXPECT_EQ(ReportCount(10, 1), 0u);
    const auto message = Counting(3);
    EXPECT_EQ(BuildReport(message, 5, 4), std::vector<uint8_t>(4, 0));
    std::vector<uint8_t> target(3, 0);
    const std::vector<uint8_t> longReport(100, 0x77);
    PlaceReport(longReport, 0, 100, target);  // a report longer than the message
    EXPECT_EQ(target, std::vector<uint8_t>(3, 0x77));
    PlaceReport(std::vector<uint8_t>(1, 0x55), 0, 100, target);  // a report with no payload
    EXPECT_EQ(target, std::vector<uint8_t>(3, 0x77));
}

}  // namespace
}  // namespace vitalis
