#include "device/link/LinkTarget.h"

#include <gtest/gtest.h>

#include "device/link/ComPortNames.h"

namespace vitalis {
namespace {

TEST(LinkTarget, TheFourFormsParseAndPrintBack) {
    for (const char* text : {"usb", "serial:/dev/ttyUSB0", "bt:AA:BB:CC:DD:EE:0F",
                             "tcp:127.0.0.1:5555", "tcp:localhost:1"}) {
        const auto target = ParseLinkTarget(text);
        ASSERT_TRUE(target) << text;
        EXPECT_EQ(FormatLinkTarget(*target), text);
    }
    const auto bt = ParseLinkTarget("bt:aa:bb:cc:dd:ee:ff");
    ASSERT_TRUE(bt);
    EXPECT_EQ(bt->bluetoothAddress, 0xAABBCCDDEEFFull);
    EXPECT_FALSE(bt->Wired());
    const auto tcp = ParseLinkTarget("tcp:[::1]:80");
    ASSERT_TRUE(tcp);
    EXPECT_EQ(tcp->host, "[::1]");
    EXPECT_EQ(tcp->port, 80);
    EXPECT_TRUE(ParseLinkTarget("serial:COM3")->Wired());
}

TEST(LinkTarget, MalformedStringsAreRefused) {
    for (const char* text :
         {"", "USB", "usb:", "serial:", "serial", "bt:", "bt:AA:BB:CC:DD:EE",
          "bt:AA:BB:CC:DD:EE:FG", "bt:AA-BB-CC-DD-EE-FF", "bt:AA:BB:CC:DD:EE:FF:00",
          "tcp:", "tcp:host", "tcp:host:", "tcp::5555", "tcp:host:0", "tcp:host:65536",
          "tcp:host:12ab", "tcp:host:-1", "ftp:x"}) {
        EXPECT_FALSE(ParseLinkTarget(text)) << text;
    }
}

TEST(ComPortNames, WindowsProbesComThreeLast) {
    const auto names = WindowsComPortNames();
    ASSERT_EQ(names.size(), 255u);
    EXPECT_EQ(names[0], "COM1");
    EXPECT_EQ(names[1], "COM2");
    EXPECT_EQ(names[2], "COM4");
    EXPECT_EQ(names[253], "COM255");
    EXPECT_EQ(names.back(), "COM3");
}

TEST(ComPortNames, LinuxOrderIsByFamilyThenNumber) {
    const auto names =
        OrderLinuxPortNames({"ttyS10", "ttyS2", "rfcomm0", "ttyUSB10", "ttyACM0", "ttyUSB2", "tty0",
                             "ttyS", "ttyUSBx", "console", "ttyUSB2", "ttyAMA0"});
    EXPECT_EQ(names, (std::vector<std::string>{"ttyUSB2", "ttyUSB10", "ttyACM0", "rfcomm0", "ttyS2",
                                               "ttyS10"}));
}

TEST(ComPortNames, DescriptionDropsTheTrailingParenthesis) {
    EXPECT_EQ(DescriptionFromFriendlyName("USB Serial Port (COM5)"), "USB Serial Port");
    EXPECT_EQ(DescriptionFromFriendlyName("Plain"), "Plain");
    EXPECT_EQ(DescriptionFromFriendlyName("(COM5)"), "");
    EXPECT_EQ(DescriptionFromFriendlyName("A (b) c"), "A (b) c");
}

}  // namespace
}  // namespace vitalis
