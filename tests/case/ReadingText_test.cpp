#include "case/ReadingText.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

const ClockTime kBegin{2026, 3, 1, 8, 0};

TEST(ReadingText, ParsesEveryField) {
    //                         00 0078 50 46 5A 001E 00 0 000 0 0 0 0
    const Measurement m = ParseReadingText(
        "0000785046"
        "5A001E0000000000",
        4, kBegin);
    EXPECT_EQ(m.index, 4);
    EXPECT_EQ(m.sys, 120);
    EXPECT_EQ(m.dia, 80);
    EXPECT_EQ(m.pr, 70);
    EXPECT_EQ(m.map, 90);
    EXPECT_EQ(m.offsetMinutes, 30);
    EXPECT_EQ(m.valid, 1);
    EXPECT_EQ(m.Clock(), (ClockTime{2026, 3, 1, 8, 30}));
}

TEST(ReadingText, SignAndHighByteOfTheOffset) {
    const Measurement negative = ParseReadingText("00007850465A001E0000000010", 0, kBegin);
    EXPECT_EQ(negative.offsetMinutes, -30);
    EXPECT_EQ(negative.Clock(), (ClockTime{2026, 3, 1, 7, 30}));
    // A 25-character text has no sign character.
    const Measurement shortText = ParseReadingText("00007850465A001E000000100", 0, kBegin);
    EXPECT_EQ(shortText.offsetMinutes, 30);
    // 0x010000 minutes = 65536 minutes later.
    const Measurement high = ParseReadingText(
        "0100785046"
        "5A00000000000000",
        0, kBegin);
    EXPECT_EQ(high.offsetMinutes, 65536);
    EXPECT_EQ(high.Clock(), AddMinutes(kBegin, 65536));
}

TEST(ReadingText, ExclusionMarkModeAndBadDigits) {
    const Measurement excluded = ParseReadingText("00007850465A001E0010001000", 0, kBegin);
    EXPECT_EQ(excluded.valid, 0);
    EXPECT_EQ(excluded.mode, 1);
    EXPECT_TRUE(IsPlausible(excluded));
    const Measurement mode2 = ParseReadingText("00007850465A001E0020000000", 0, kBegin);
    EXPECT_EQ(mode2.mode, 2);
    // 'G' and 'z' are no hex digits: they count as 0.
    const Measurement bad = ParseReadingText("00G078z0465A001E0000000000", 0, kBegin);
    EXPECT_EQ(bad.sys, 0x78);
    EXPECT_EQ(bad.dia, 0);
    EXPECT_EQ(bad.valid, 0);
}

TEST(ReadingText, EmptyAndShortTexts) {
    const Measurement empty = ParseReadingText("", 1, kBegin);
    EXPECT_EQ(empty.index, 1);
    EXPECT_EQ(empty.sys, 0);
    EXPECT_EQ(empty.year, 0);
    EXPECT_EQ(empty.valid, 1);
    EXPECT_FALSE(IsPlausible(empty));
    const Measurement cut = ParseReadingText("000078", 0, kBegin);
    EXPECT_EQ(cut.sys, 120);
    EXPECT_EQ(cut.dia, 0);
    EXPECT_EQ(cut.valid, 0);
}

TEST(ReadingText, FormatRoundTripsAndZeroesImpossiblePressures) {
    Measurement m;
    m.sys = 135, m.dia = 85, m.map = 101, m.pr = 66, m.status = 3, m.mode = 2;
    m.offsetMinutes = -70000, m.valid = 1;
    const std::string text = FormatReadingText(m);
    ASSERT_EQ(text.size(), 26u);
    const Measurement back = ParseReadingText(text, 0, kBegin);
    EXPECT_EQ(back.sys, 135);
    EXPECT_EQ(back.dia, 85);
    EXPECT_EQ(back.map, 101);
    EXPECT_EQ(back.pr, 66);
    EXPECT_EQ(back.status, 3);
    EXPECT_EQ(back.mode, 2);
    EXPECT_EQ(back.offsetMinutes, -70000);
    EXPECT_EQ(back.valid, 1);

    m.sys = 280;  // above 270: stored as a failed value
    EXPECT_EQ(FormatReadingText(m).substr(2, 10), "0000004200");
    Measurement unordered = m;
    unordered.sys = 120, unordered.map = 130;
    const Measurement zeroed = ParseReadingText(FormatReadingText(unordered), 0, kBegin);
    EXPECT_EQ(zeroed.sys, 0);
    EXPECT_EQ(zeroed.map, 0);
    EXPECT_EQ(zeroed.dia, 0);
    EXPECT_EQ(zeroed.pr, 66);  // the pulse keeps its value
}

TEST(ReadingText, ExclusionCharacterFollowsStatusAndMark) {
    Measurement m;
    m.sys = 120, m.dia = 80, m.map = 90, m.pr = 70, m.valid = 1;
    EXPECT_EQ(FormatReadingText(m)[22], '0');
    m.valid = 0;
    EXPECT_EQ(FormatReadingText(m)[22], '1');
    m.valid = 1, m.status = 7;
    EXPECT_EQ(FormatReadingText(m)[22], '1');
}

TEST(ReadingText, ValuesTooWideForTheirColumnsNeverShiftTheText) {
    Measurement m;
    m.sys = 269, m.map = 262, m.dia = 258, m.pr = 300, m.status = 300, m.valid = 1;
    const std::string text = FormatReadingText(m);
    ASSERT_EQ(text.size(), 26u);
    const Measurement back = ParseReadingText(text, 0, kBegin);
    EXPECT_EQ(back.sys, 0);
    EXPECT_EQ(back.pr, 0);
    EXPECT_EQ(back.status, 0);
}

TEST(ReadingText, ShortFormOfTheMonitorsOwnFiles) {
    Measurement m;
    m.sys = 120, m.dia = 80, m.pr = 70, m.map = 90, m.offsetMinutes = 30, m.status = 0;
    EXPECT_EQ(FormatShortReadingText(m, false), "00007850465A001E000000000");
    m.status = 9;
    EXPECT_EQ(FormatShortReadingText(m, true), "000000000000001E090000100");
    m.offsetMinutes = -5;  // cannot be held by the short form
    const Measurement back = ParseReadingText(FormatShortReadingText(m, true), 0, kBegin);
    EXPECT_EQ(back.offsetMinutes, -5);
    EXPECT_EQ(back.valid, 0);
}

}  // namespace
}  // namespace vitalis
