#include "device/link/BthDeviceList.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

TEST(BthDeviceList, ListsInDiscoveryOrderAndSkipsDevicesWithoutAName) {
    BthDeviceList list;
    EXPECT_NE(list.Add("Heron 1", 0x0011'2233'4455), nullptr);
    EXPECT_EQ(list.Add("", 0x0066'7788'99AA), nullptr);
    const BthDeviceEntry* second = list.Add("Heron 2", 0xAABB'CCDD'EEFF);
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(list.Entries().size(), 2u);
    EXPECT_EQ(list.Entries()[0].index, 0);
    EXPECT_EQ(list.Entries()[0].name, "Heron 1");
    EXPECT_EQ(second->index, 1);
    EXPECT_EQ(second->address, 0xAABB'CCDD'EEFFull);
    EXPECT_EQ(list.Find(2), nullptr);
    EXPECT_EQ(list.Find(-1), nullptr);
}

TEST(BthDeviceList, RowShowsIndexNameAndColonSeparatedAddress) {
    BthDeviceList list;
    list.Add("x", 1);
    const BthDeviceEntry* entry = list.Add("Heron ABP", 0x0A1B'2C3D'4E5F);
    const auto row = BthDeviceList::Row(*entry);
    EXPECT_EQ(row[0], "1");
    EXPECT_EQ(row[1], "Heron ABP");
    EXPECT_EQ(row[2], "0A:1B:2C:3D:4E:5F");
}

TEST(BthDeviceList, AddressKeepsOnlyFortyEightBits) {
    BthDeviceList list;
    EXPECT_EQ(list.Add("a", 0xFFFF'0011'2233'4455)->address, 0x0011'2233'4455ull);
}

TEST(BthDeviceList, TheConnectedEntryIsNeitherPairedNorConnectedAgain) {
    BthDeviceList list;
    list.Add("a", 1);
    list.Add("b", 2);
    EXPECT_EQ(list.StepFor(1, false), BthConnectStep::Pair);
    EXPECT_EQ(list.StepFor(1, true), BthConnectStep::Connect);
    list.SetConnected(1);
    EXPECT_EQ(list.StepFor(1, false), BthConnectStep::KeepConnection);
    EXPECT_EQ(list.StepFor(1, true), BthConnectStep::KeepConnection);
    EXPECT_EQ(list.StepFor(0, false), BthConnectStep::Pair);
}

TEST(BthDeviceList, ConnectingOutsideTheListIsRefused) {
    BthDeviceList list;
    EXPECT_EQ(list.StepFor(0, true), BthConnectStep::Refuse);
    list.Add("a", 1);
    EXPECT_EQ(list.StepFor(1, true), BthConnectStep::Refuse);
    EXPECT_EQ(list.StepFor(-1, true), BthConnectStep::Refuse);
    list.SetConnected(5);
    EXPECT_EQ(list.Connected(), -1);
}

TEST(BthDeviceList, ANewScanForgetsEntriesAndTheConnection) {
    BthDeviceList list;
    list.Add("a", 1);
    list.SetConnected(0);
    list.Clear();
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_EQ(list.Connected(), -1);
    EXPECT_EQ(list.Add("b", 2)->index, 0);
    EXPECT_EQ(list.StepFor(0, false), BthConnectStep::Pair);
}

}  // namespace
}  // namespace vitalis
