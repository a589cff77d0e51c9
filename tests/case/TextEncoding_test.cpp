#include "case/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace vitalis {
namespace {

using namespace std::string_literals;

TEST(TextEncoding, Utf8FilesStayAsTheyAre) {
    const auto plain = DecodeFileText("[A]\r\nName=M\xC3\xBCller\r\n");
    EXPECT_EQ(plain.encoding, FileEncoding::Utf8);
    EXPECT_EQ(plain.utf8, "[A]\r\nName=M\xC3\xBCller\r\n");

    const auto bom = DecodeFileText("\xEF\xBB\xBF[A]\r\n");
    EXPECT_EQ(bom.encoding, FileEncoding::Utf8WithBom);
    EXPECT_EQ(bom.utf8, "[A]\r\n");
    EXPECT_EQ(EncodeFileText("[A]\r\n", FileEncoding::Utf8WithBom), "\xEF\xBB\xBF[A]\r\n");
}

TEST(TextEncoding, Utf16LeWithByteOrderMarkReadsAndWritesBack) {
    // "Zé€\r\n": é is U+00E9, € is U+20AC.
    const std::string bytes = "\xFF\xFEZ\0\xE9\0\xAC\x20\r\0\n\0"s;
    const auto decoded = DecodeFileText(bytes);
    EXPECT_EQ(decoded.encoding, FileEncoding::Utf16Le);
    EXPECT_EQ(decoded.utf8, "Z\xC3\xA9\xE2\x82\xAC\r\n");
    EXPECT_EQ(EncodeFileText(decoded.utf8, FileEncoding::Utf16Le), bytes);
}

TEST(TextEncoding, Utf16SurrogatePairs) {
    // U+1F600 is D83D DE00.
    EXPECT_EQ(Utf16LeToUtf8("\x3D\xD8\x00\xDE"s), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUtf16Le("\xF0\x9F\x98\x80"), "\x3D\xD8\x00\xDE"s);
}

TEST(TextEncoding, EightBitLinesAreReadAsWindows1252EachOnItsOwnAndWrittenBackAsTheyWere) {
    // ü, the euro sign and the left double quote of Windows-1252; beside them UTF-8 lines,
    // with and without a byte-order mark.
    const std::string bytes = "A=M\xFCller \x80 \x93\r\nB=J\xC3\xBCrgen\r\nC=\xE9";
    const std::string utf8 =
        "A=M\xC3\xBCller \xE2\x82\xAC \xE2\x80\x9C\r\nB=J\xC3\xBCrgen\r\nC=\xC3\xA9";
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        const auto decoded = DecodeFileText(bom + bytes);
        EXPECT_EQ(decoded.encoding, bom.empty() ? FileEncoding::Utf8 : FileEncoding::Utf8WithBom);
        EXPECT_EQ(decoded.utf8, utf8);
        EXPECT_EQ(EncodeFileText(decoded.utf8, decoded.encoding, decoded.originals), bom + bytes);
        // An edited line is written as UTF-8; the others keep their bytes.
        EXPECT_EQ(EncodeFileText("A=x\r\nB=J\xC3\xBCrgen\r\nC=\xC3\xA9\r\n", decoded.encoding,
                                 decoded.originals),
                  bom + "A=x\r\nB=J\xC3\xBCrgen\r\nC=\xE9\r\n");
    }
}

TEST(TextEncoding, MonitorTextIsWindows1252AndWhatItLacksIsAQuestionMark) {
    // ü, €, the left double quote; then a CJK character, a lone continuation byte, an emoji.
    EXPECT_EQ(Utf8ToWindows1252("J\xC3\xBCrgen \xE2\x82\xAC\xE2\x80\x9C"), "J\xFCrgen \x80\x93");
    EXPECT_EQ(Utf8ToWindows1252("\xE6\x97\xA5\x80\xF0\x9F\x98\x80."), "???.");
    EXPECT_EQ(Windows1252ToUtf8(Utf8ToWindows1252("Zo\xC3\xAB \xC5\x92")), "Zo\xC3\xAB \xC5\x92");
}

TEST(TextEncoding, Utf8Validity) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("\xE2\x82\xAC"));
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));      // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // a lone surrogate
    EXPECT_FALSE(IsValidUtf8("\xFF"));
}

TEST(TextEncoding, AnEmptyFileIsEmptyUtf8) {
    const auto decoded = DecodeFileText("");
    EXPECT_EQ(decoded.encoding, FileEncoding::Utf8);
    EXPECT_EQ(decoded.utf8, "");
}

}  // namespace
}  // namespace vitalis
