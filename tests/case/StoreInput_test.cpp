// Values a case or settings file must not take in, and files it must not write over.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "case/FileAccess.h"
#include "case/ProfileStore.h"
#include "case/Recording.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;
using test::WriteBytes;

TEST(StoreInput, AKeyThatWouldReadBackAsASectionIsRefused) {
    TempFolder folder;
    const std::string path = folder.File("p.ini");
    ProfileStore store(path);
    EXPECT_FALSE(store.WriteString("Profiles", "[TEST 1]", "x"));
    EXPECT_FALSE(store.WriteString("Profiles", "[", "x"));
    EXPECT_FALSE(store.WriteStrings("Profiles", {{"a", "1"}, {"[b", "2"}}));
    EXPECT_TRUE(store.WriteString("Profiles", "a[b]", "x"));  // only a leading bracket
    EXPECT_EQ(ProfileStore(path).SectionNames(), std::vector<std::string>{"Profiles"});
    EXPECT_EQ(ProfileStore(path).KeyNames("Profiles"), std::vector<std::string>{"a[b]"});
}

TEST(StoreInput, HalfHoursOutsideTheDayAreClampedWithAWarning) {
    TempFolder folder;
    const std::string path = folder.File("2603010800.awp");
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 4);
    Recording recording;
    recording.casePath = path;
    ASSERT_TRUE(recording.Load());
    EXPECT_TRUE(recording.warnings.empty());

    ProfileStore(path).WriteInt("TEST 1", "Awake Time", 60);
    ProfileStore(path).WriteInt("TEST 1", "Asleep Time", -3);
    ASSERT_TRUE(recording.Load());
    EXPECT_EQ(recording.awakeStart, 47 * 30);
    EXPECT_EQ(recording.asleepStart, 0);
    ASSERT_EQ(recording.warnings.size(), 2u);
    EXPECT_NE(recording.warnings[0].find("\"Awake Time\" = 60"), std::string::npos);

    ProfileStore(path).WriteInt("TEST 1", "Awake Time", 47);
    ProfileStore(path).WriteInt("TEST 1", "Asleep Time", 0);
    ASSERT_TRUE(recording.Load());
    EXPECT_TRUE(recording.warnings.empty());  // the edges are real half hours
}

TEST(StoreInput, AFileThatCouldNotBeReadIsNeverWrittenOver) {
    TempFolder folder;
    const std::string path = folder.File("VurConfig.ini");
    WriteBytes(path, "[Setting]\r\nLanguage=German\r\n");
    // Beyond the size we read: sparse, so it costs no disk.
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(kMaxProfileFileBytes + 1)), 0);
    ProfileStore store(path);
    EXPECT_TRUE(store.ReadFailed());
    EXPECT_EQ(store.GetString("Setting", "Language", "English"), "English");
    EXPECT_FALSE(store.WriteString("Setting", "Port", "COM1"));
    {
        ProfileStore::Batch batch(store);
        store.WriteString("Setting", "Port", "COM2");
        EXPECT_FALSE(batch.Commit());
    }
    EXPECT_EQ(std::filesystem::file_size(path), kMaxProfileFileBytes + 1);
    std::ifstream in(path, std::ios::binary);
    std::string start(28, '\0');
    in.read(start.data(), 28);
    EXPECT_EQ(start, "[Setting]\r\nLanguage=German\r\n");

    EXPECT_FALSE(ProfileStore(folder.File("missing.ini"), ProfileOpen::ExistingOnly).ReadFailed());
}

}  // namespace
}  // namespace vitalis
