#include <gtest/gtest.h>

#include <filesystem>

#include "shell/ProgramFolder.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;

TEST(ProgramDataFolder, ABuildTreeKeepsItsFilesBesideThePrograms) {
    test::TempFolder root;
    fs::create_directories(root.File("bin/Language"));
    fs::create_directories(root.File("share/vitalis/Language"));
    EXPECT_EQ(ProgramDataFolder(root.File("bin")), root.File("bin"));
}

TEST(ProgramDataFolder, AnInstalledProgramFindsItsFilesUnderShare) {
    test::TempFolder root;
    fs::create_directories(root.File("bin"));
    fs::create_directories(root.File("share/vitalis/Language"));
    EXPECT_EQ(fs::path(ProgramDataFolder(root.File("bin"))),
              fs::path(root.File("share/vitalis")).lexically_normal());
}

TEST(ProgramDataFolder, WithNeitherTheProgramFolderStands) {
    test::TempFolder root;
    fs::create_directories(root.File("bin"));
    fs::create_directories(root.File("share/vitalis"));  // no Language/ in it
    EXPECT_EQ(ProgramDataFolder(root.File("bin")), root.File("bin"));
}

}  // namespace
}  // namespace vitalis
