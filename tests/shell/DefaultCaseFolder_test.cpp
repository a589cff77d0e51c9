#include "shell/DefaultCaseFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScopedVariable.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using test::ScopedVariable;
using test::TempFolder;

// A program folder and a home of this test, never the real ones.
class DefaultCaseFolderTest : public ::testing::Test {
  protected:
    TempFolder program;
    TempFolder home;
    TempFolder data;
    ScopedVariable homeVariable{"HOME", home.path()};
    ScopedVariable dataVariable{"XDG_DATA_HOME", std::nullopt};
};

TEST_F(DefaultCaseFolderTest, TheUsersDataFolderFollowsTheXdgRule) {
    EXPECT_EQ(UserDataFolder(), home.path() + "/.local/share");
    EXPECT_EQ(DefaultCaseFolderFor(program.path()), home.path() + "/.local/share/Vitalis/cases");
    {
        const ScopedVariable set{"XDG_DATA_HOME", data.path()};
        EXPECT_EQ(UserDataFolder(), data.path());
        EXPECT_EQ(DefaultCaseFolderFor(program.path()), data.path() + "/Vitalis/cases");
    }
    // Empty and relative values are not folders by the rule: the home decides.
    for (const char* invalid : {"", "relative/share", "./share", "~/share"}) {
        const ScopedVariable set{"XDG_DATA_HOME", std::string(invalid)};
        EXPECT_EQ(DefaultCaseFolderFor(program.path()), home.path() + "/.local/share/Vitalis/cases")
            << "XDG_DATA_HOME=" << invalid;
    }
}

TEST_F(DefaultCaseFolderTest, AnExistingDataFolderBesideTheProgramStaysTheDefault) {
    const ScopedVariable set{"XDG_DATA_HOME", data.path()};
    // A file of that name is no case folder.
    test::WriteBytes(program.File("data"), "not a folder");
    EXPECT_EQ(DefaultCaseFolderFor(program.path()), data.path() + "/Vitalis/cases");
    fs::remove(program.File("data"));
    fs::create_directory(program.File("data"));
    EXPECT_EQ(DefaultCaseFolderFor(program.path()), program.File("data"));
    // A link to a folder elsewhere counts as the folder.
    fs::remove(program.File("data"));
    fs::create_directory_symlink(home.path(), program.File("data"));
    EXPECT_EQ(DefaultCaseFolderFor(program.path()), program.File("data"));
}

TEST_F(DefaultCaseFolderTest, WithoutAHomeTheProgramFolderIsAllThereIs) {
    const ScopedVariable noHome{"HOME", std::nullopt};
    EXPECT_EQ(UserDataFolder(), "");
    EXPECT_EQ(DefaultCaseFolderFor(program.path()), program.File("data"));
    const ScopedVariable emptyHome{"HOME", std::string()};
    EXPECT_EQ(DefaultCaseFolderFor(program.path()), program.File("data"));
    const ScopedVariable set{"XDG_DATA_HOME", data.path()};
    EXPECT_EQ(DefaultCaseFolderFor(program.path()), data.path() + "/Vitalis/cases");
}

TEST_F(DefaultCaseFolderTest, AskingCreatesNothing) {
    DefaultCaseFolderFor(program.path());
    EXPECT_TRUE(fs::is_empty(home.path()));
    EXPECT_TRUE(fs::is_empty(program.path()));
}

}  // namespace
}  // namespace vitalis
