#include "device/hid/HidReportDescriptor.h"

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"

namespace vitalis {
namespace {

using test::Bytes;

// A vendor-defined interface with 64-byte input and output reports and no report IDs.
const std::vector<uint8_t> kVendor64 = Bytes({
    0x06, 0x00, 0xFF,                    // usage page (vendor)
    0x09, 0x01,                          // usage
    0xA1, 0x01,                          // collection (application)
    0x15, 0x00,                          // logical minimum 0
    0x26, 0xFF, 0x00,                    // logical maximum 255
    0x75, 0x08,                          // report size 8
    0x95, 0x40,                          // report count 64
    0x09, 0x01, 0x81, 0x02,              // input
    0x95, 0x40, 0x09, 0x01, 0x91, 0x02,  // output
    0xC0,                                // end collection
});

TEST(HidReportDescriptor, VendorReportsGiveTheReportLength) {
    const HidReportSizes sizes = ParseHidReportDescriptor(kVendor64);
    ASSERT_TRUE(sizes.valid);
    EXPECT_FALSE(sizes.numbered);
    EXPECT_EQ(sizes.input, 64u);
    EXPECT_EQ(sizes.output, 64u);
    EXPECT_EQ(sizes.ReportLength(), 65u);
}

TEST(HidReportDescriptor, NumberedReportsPushPopAndBitFields) {
    const auto descriptor = Bytes({
        0x85, 0x01, 0x75, 0x01, 0x95, 0x05, 0x81, 0x02,  // id 1: five input bits
        0xA4,                                            // push
        0x75, 0x08, 0x95, 0x20, 0x91, 0x02,              // 32 output bytes
        0xB4,                                            // pop: back to 5 x 1 bit
        0x81, 0x02,                                      // five more input bits
        0x85, 0x02, 0x75, 0x08, 0x95, 0x03, 0x81, 0x02,  // id 2: three input bytes
        0xFE, 0x02, 0x10, 0xAA, 0xBB,                    // a long item, skipped
    });
    const HidReportSizes sizes = ParseHidReportDescriptor(descriptor);
    ASSERT_TRUE(sizes.valid);
    EXPECT_TRUE(sizes.numbered);
    EXPECT_EQ(sizes.input, 3u);  // id 1 has ten bits (2 bytes), id 2 three bytes
    EXPECT_EQ(sizes.output, 32u);
    EXPECT_EQ(sizes.ReportLength(), 33u);
}

TEST(HidReportDescriptor, MalformedDescriptorsAreNotGuessedAt) {
    EXPECT_FALSE(ParseHidReportDescriptor({}).valid);
    EXPECT_FALSE(ParseHidReportDescriptor(Bytes({0x75, 0x08, 0x95})).valid);  // cut short
    EXPECT_FALSE(ParseHidReportDescriptor(Bytes({0xB4})).valid);              // pop of nothing
    EXPECT_FALSE(ParseHidReportDescriptor(Bytes({0xFE, 0x09, 0x00})).valid);  // long item cut
    // Absurd sizes from the device are refused rather than multiplied.
    EXPECT_FALSE(ParseHidReportDescriptor(Bytes({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF,
                                                 0xFF, 0xFF, 0x81, 0x02}))
                     .valid);
    std::vector<uint8_t> deep(20, 0xA4);
    EXPECT_FALSE(ParseHidReportDescriptor(deep).valid);
}

}  // namespace
}  // namespace vitalis
