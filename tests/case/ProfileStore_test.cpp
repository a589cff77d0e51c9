#include "case/ProfileStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class ProfileStoreTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string path = folder.File("settings.ini");
};

TEST_F(ProfileStoreTest, ReadsSectionsAndKeysIgnoringCaseAndSpaces) {
    WriteBytes(path,
               "stray=before any section\r\n"
               "[PATIENT DATA]\r\n"
               "  Name  =  Ada Lovelace  \r\n"
               "name=second occurrence loses\r\n"
               "no equals sign here\r\n"
               "\r\n"
               "[ Test 1 ]\n"
               "Count=12abc\n");
    ProfileStore store(path);
    EXPECT_EQ(store.GetString("patient data", "NAME", "x"), "Ada Lovelace");
    EXPECT_EQ(store.GetString("Test 1", "count", ""), "12abc");
    EXPECT_EQ(store.GetInt("TEST 1", "Count", 7), 12);
    EXPECT_EQ(store.GetString("PATIENT DATA", "stray", "none"), "none");
    EXPECT_EQ(store.GetString("PATIENT DATA", "Missing", "fallback"), "fallback");
    EXPECT_EQ(store.GetString("No Section", "Name", "fallback"), "fallback");
}

TEST_F(ProfileStoreTest, WritesReplaceInPlaceAndAppendAtTheEndOfTheirSection) {
    WriteBytes(path, "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
    ProfileStore store(path);
    EXPECT_TRUE(store.WriteString("a", "X", "10"));
    EXPECT_TRUE(store.WriteString("A", "w", "4"));
    EXPECT_TRUE(store.WriteString("C", "v", "5"));
    EXPECT_EQ(ReadBytes(path), "[A]\r\nx=10\r\ny=2\r\nw=4\r\n\r\n[B]\r\nz=3\r\n[C]\r\nv=5\r\n");
}

TEST_F(ProfileStoreTest, ManyWritesAtOnceReplaceKnownKeysAndAppendTheOthers) {
    // Long new values make the file grow well past its first size while the known keys are
    // still being compared with the new ones.
    WriteBytes(path, "[A]\r\nName=old\r\nAge=1\r\n\r\n[B]\r\nz=3\r\n");
    ProfileStore store(path);
    const std::string longText(4000, 'm');
    ASSERT_TRUE(store.WriteStrings(
        "A", {{"Notes", longText}, {"name", "new"}, {"More", longText}, {"Age", "2"}}));
    EXPECT_EQ(ReadBytes(path), "[A]\r\nName=new\r\nAge=2\r\nNotes=" + longText +
                                   "\r\nMore=" + longText + "\r\n\r\n[B]\r\nz=3\r\n");
}

TEST_F(ProfileStoreTest, RemovesKeysAndSections) {
    WriteBytes(path, "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    ProfileStore store(path);
    EXPECT_TRUE(store.DeleteKey("A", "X"));
    EXPECT_TRUE(store.DeleteSection("b"));
    EXPECT_EQ(ReadBytes(path), "[A]\r\ny=2\r\n");
    EXPECT_FALSE(store.DeleteKey("A", ""));
    EXPECT_FALSE(store.DeleteSection(""));
}

TEST_F(ProfileStoreTest, LineBreaksTravelAsDoublePlus) {
    ProfileStore store(path);
    ASSERT_TRUE(store.WriteString("T", "Comments", "first line\r\nsecond line"));
    EXPECT_NE(ReadBytes(path).find("Comments=first line++second line\r\n"), std::string::npos);
    EXPECT_EQ(store.GetString("T", "Comments", ""), "first line\r\nsecond line");
    // "++" of the caller's own is not escaped: it reads back as a line break.
    ASSERT_TRUE(store.WriteString("T", "Plus", "a++b"));
    EXPECT_EQ(store.GetString("T", "Plus", ""), "a\r\nb");
    // A bare line feed could otherwise start a forged line of the file.
    ASSERT_TRUE(store.WriteString("T", "Evil", "x\n[PATIENT DATA]\nName=forged"));
    EXPECT_EQ(store.GetString("PATIENT DATA", "Name", "none"), "none");
}

TEST_F(ProfileStoreTest, IntegersReadTheirLeadingDigits) {
    ProfileStore store(path);
    ASSERT_TRUE(store.WriteInt("N", "neg", -5));
    EXPECT_NE(ReadBytes(path).find("neg=-5\r\n"), std::string::npos);
    EXPECT_EQ(store.GetInt("N", "neg", 0), -5);
    store.WriteString("N", "abc", "abc");
    EXPECT_EQ(store.GetInt("N", "abc", 9), 0);
    store.WriteString("N", "huge", "99999999999999");
    EXPECT_EQ(store.GetInt("N", "huge", 0), 2147483647);
    EXPECT_EQ(store.GetInt("N", "missing", 42), 42);
}

TEST_F(ProfileStoreTest, EmptyPathSectionOrKeyGiveTheFallbacks) {
    ProfileStore none;
    EXPECT_EQ(none.GetString("A", "b", "default"), "");
    EXPECT_EQ(none.GetInt("A", "b", 3), 3);
    EXPECT_FALSE(none.WriteString("A", "b", "c"));
    EXPECT_FALSE(none.WriteInt("A", "b", 1));
    EXPECT_FALSE(none.DeleteKey("A", "b"));
    EXPECT_FALSE(none.DeleteSection("A"));

    ProfileStore store(path);
    EXPECT_EQ(store.GetString("A", "", "default"), "default");
    EXPECT_EQ(store.GetString("", "b", "default"), "default");
    EXPECT_FALSE(store.WriteString("A", "", "c"));
    EXPECT_FALSE(store.WriteString("A", "k=v", "c"));  // would write another key
    EXPECT_FALSE(store.WriteString("A]", "k", "c"));
    EXPECT_EQ(ReadBytes(path), "");
}

TEST_F(ProfileStoreTest, OpenCreatesOrEmptiesAsAsked) {
    {
        ProfileStore created(path);
        EXPECT_TRUE(access(path.c_str(), F_OK) == 0);
    }
    WriteBytes(path, "[A]\r\nx=1\r\n");
    ProfileStore kept(path, false);
    EXPECT_EQ(kept.GetString("A", "x", ""), "1");
    ProfileStore emptied(path, true);
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(emptied.GetString("A", "x", "gone"), "gone");

    const std::string other = folder.File("never.ini");
    ProfileStore looking(other, ProfileOpen::ExistingOnly);
    EXPECT_EQ(looking.GetString("A", "x", "d"), "d");
    EXPECT_NE(access(other.c_str(), F_OK), 0);

    ProfileStore inMissingFolder(folder.File("no/such/folder.ini"));
    EXPECT_EQ(inMissingFolder.path(), folder.File("no/such/folder.ini"));
    EXPECT_FALSE(inMissingFolder.WriteString("A", "x", "1"));
}

TEST_F(ProfileStoreTest, ValuesOfAnyLengthReadWhole) {
    ProfileStore store(path);
    for (size_t length : {1023u, 1024u, 2047u, 5000u, 300000u}) {
        const std::string value(length, 'v');
        ASSERT_TRUE(store.WriteString("Long", "value", value));
        EXPECT_EQ(store.GetString("Long", "value", ""), value) << length;
    }
}

TEST_F(ProfileStoreTest, TwoStoresOnOnePathSeeEachOtherAtOnce) {
    ProfileStore first(path);
    ProfileStore second(path);
    EXPECT_EQ(second.GetString("S", "k", "none"), "none");
    for (int i = 0; i < 50; ++i) {
        // Same length every time: the change must be seen even when size and the coarse
        // clock do not move.
        ASSERT_TRUE(first.WriteInt("S", "k", i % 10));
        ASSERT_EQ(second.GetInt("S", "k", -1), i % 10);
        ASSERT_TRUE(second.WriteInt("S", "j", i % 10));
        ASSERT_EQ(first.GetInt("S", "j", -1), i % 10);
    }
}

TEST_F(ProfileStoreTest, ABatchWritesOnceAndOthersSeeItAfterwards) {
    ProfileStore writer(path);
    ProfileStore reader(path);
    {
        ProfileStore::Batch batch(writer);
        for (int k = 1; k <= 100; ++k) writer.WriteInt("TEST 1", std::to_string(k), k);
        EXPECT_EQ(writer.GetInt("TEST 1", "100", 0), 100);  // its own writes are visible
        EXPECT_EQ(reader.GetInt("TEST 1", "100", 0), 0);    // not yet on disk
        EXPECT_TRUE(batch.Commit());
    }
    EXPECT_EQ(reader.GetInt("TEST 1", "100", 0), 100);
    EXPECT_EQ(reader.KeyNames("test 1").size(), 100u);
}

TEST_F(ProfileStoreTest, WritesKeepPermissionsAndLeaveNoTemporaryFiles) {
    WriteBytes(path, "[A]\r\nx=1\r\n");
    chmod(path.c_str(), 0640);
    ProfileStore store(path);
    ASSERT_TRUE(store.WriteString("A", "x", "2"));
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(ProfileStoreTest, SymbolicLinksStayLinks) {
    const std::string target = folder.File("real.ini");
    WriteBytes(target, "[A]\r\nx=1\r\n");
    ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0);
    ProfileStore store(path);
    ASSERT_TRUE(store.WriteString("A", "x", "2"));
    struct stat st;
    ASSERT_EQ(lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadBytes(target), "[A]\r\nx=2\r\n");
}

TEST_F(ProfileStoreTest, EncodingsReadAndUpdateInTheirOwnForm) {
    // One value in Windows-1252 ("Müller", ü as the single byte 0xFC) among UTF-8 ones: each
    // reads right, and a save keeps the bytes of every value it did not change.
    WriteBytes(path, "[P]\r\nName=M\xFCller\r\nCity=M\xC3\xBCnchen\r\nNote=J\xFCrgen\r\n");
    ProfileStore mixed(path);
    EXPECT_EQ(mixed.GetString("P", "Name", ""), "M\xC3\xBCller");
    EXPECT_EQ(mixed.GetString("P", "City", ""), "M\xC3\xBCnchen");
    ASSERT_TRUE(mixed.WriteString("P", "ID", "7"));
    ASSERT_TRUE(mixed.WriteString("P", "Note", "J\xC3\xBCrgen K."));
    EXPECT_EQ(ReadBytes(path),
              "[P]\r\nName=M\xFCller\r\nCity=M\xC3\xBCnchen\r\n"
              "Note=J\xC3\xBCrgen K.\r\nID=7\r\n");

    // UTF-16LE with byte-order mark stays UTF-16LE.
    const std::string wide = folder.File("wide.lng");
    WriteBytes(wide, std::string("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0", 22));
    ProfileStore utf16(wide);
    EXPECT_EQ(utf16.GetString("A", "k", ""), "\xC3\xA9");
    ASSERT_TRUE(utf16.WriteString("A", "j", "x"));
    EXPECT_EQ(ReadBytes(wide),
              std::string("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0j\0=\0x\0\r\0\n\0", 32));
}

TEST_F(ProfileStoreTest, ListsSectionAndKeyNamesInFileOrder) {
    WriteBytes(path, "[Global Setting]\r\nIDS_B=b\r\nIDS_A=a\r\n[Title]\r\nIDS_TITLE=t\r\n");
    ProfileStore store(path);
    EXPECT_EQ(store.SectionNames(), (std::vector<std::string>{"Global Setting", "Title"}));
    EXPECT_EQ(store.KeyNames("global setting"), (std::vector<std::string>{"IDS_B", "IDS_A"}));
    EXPECT_TRUE(store.KeyNames("Nope").empty());
}

TEST_F(ProfileStoreTest, ReadOnlyFolderMakesWritesFail) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
    WriteBytes(path, "[A]\r\nx=1\r\n");
    chmod(path.c_str(), 0444);
    ProfileStore store(path);
    EXPECT_FALSE(store.WriteString("A", "x", "2"));
    EXPECT_EQ(store.GetString("A", "x", ""), "1");
}

}  // namespace
}  // namespace vitalis
