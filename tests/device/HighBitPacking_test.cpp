#include "device/link/HighBitPacking.h"

#include <gtest/gtest.h>

#include <random>

#include "DeviceTestSupport.h"

namespace vitalis {
namespace {

using test::Bytes;

TEST(HighBitPacking, LengthsFollowTheGroupsOfSeven) {
    const std::pair<size_t, size_t> cases[] = {{0, 0},   {1, 2},   {6, 7},   {7, 8},   {8, 10},
                                               {13, 15}, {14, 16}, {15, 18}, {70, 80}, {10, 12}};
    for (const auto& [raw, packed] : cases) {
        EXPECT_EQ(PackedLength(raw), packed) << raw;
        EXPECT_EQ(UnpackedLength(packed), raw) << packed;
        EXPECT_EQ(PackHighBits(std::vector<uint8_t>(raw, 0x41)).size(), packed) << raw;
    }
    EXPECT_EQ(UnpackedLength(1), 0u);  // a head byte alone carries nothing
    EXPECT_EQ(UnpackedLength(9), 7u);
}

TEST(HighBitPacking, HeadCarriesBitSevenOfEachDataByte) {
    // 0xFF keeps its bit in the head, 0x7F does not; both travel as 0xFF.
    EXPECT_EQ(PackHighBits(Bytes({0xFF})), Bytes({0x81, 0xFF}));
    EXPECT_EQ(PackHighBits(Bytes({0x7F})), Bytes({0x80, 0xFF}));
    EXPECT_EQ(PackHighBits(Bytes({0x00, 0x80, 0x01})), Bytes({0x82, 0x80, 0x80, 0x81}));
    // Eight bytes: a full group and a group of one.
    const auto packed = PackHighBits(Bytes({0x80, 1, 2, 3, 4, 5, 0x86, 0x87}));
    EXPECT_EQ(packed, Bytes({0xC1, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x81, 0x87}));

    std::vector<uint8_t> raw;
    EXPECT_EQ(UnpackHighBits(Bytes({0x81, 0xFF}), raw, 1), UnpackResult::Good);
    EXPECT_EQ(raw, Bytes({0xFF}));
    EXPECT_EQ(UnpackHighBits(Bytes({0x80, 0xFF}), raw, 1), UnpackResult::Good);
    EXPECT_EQ(raw, Bytes({0x7F}));
}

TEST(HighBitPacking, EveryLengthRoundTripsAndStaysAboveBitSeven) {
    std::mt19937 random(7);
    for (size_t n = 0; n <= 64; ++n) {
        std::vector<uint8_t> raw(n);
        for (uint8_t& b : raw) b = static_cast<uint8_t>(random());
        const auto packed = PackHighBits(raw);
        for (const uint8_t b : packed) ASSERT_GE(b, 0x80) << n;
        std::vector<uint8_t> back;
        ASSERT_EQ(UnpackHighBits(packed, back, n), UnpackResult::Good) << n;
        EXPECT_EQ(back, raw) << n;
    }
}

TEST(HighBitPacking, MalformedInputIsReportedButStillUnpacked) {
    std::vector<uint8_t> raw;
    // A data byte with bit 7 clear: result 3, bytes produced all the same.
    EXPECT_EQ(UnpackHighBits(Bytes({0x80, 0x41, 0xC2}), raw, 2), UnpackResult::BitSevenClear);
    EXPECT_EQ(raw, Bytes({0x41, 0x42}));
    // A head byte with bit 7 clear.
    EXPECT_EQ(UnpackHighBits(Bytes({0x01, 0xC1}), raw, 1), UnpackResult::BitSevenClear);
    // Well formed, but not the length the caller expects.
    EXPECT_EQ(UnpackHighBits(Bytes({0x80, 0xC1, 0xC2}), raw, 3), UnpackResult::WrongLength);
    EXPECT_EQ(UnpackHighBits({}, raw, 0), UnpackResult::Good);
    EXPECT_TRUE(raw.empty());
    // Both faults: the malformed byte is what gets reported.
    EXPECT_EQ(UnpackHighBits(Bytes({0x80, 0x01}), raw, 5), UnpackResult::BitSevenClear);
}

}  // namespace
}  // namespace vitalis
