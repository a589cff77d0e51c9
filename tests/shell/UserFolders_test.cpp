#include "shell/UserFolders.h"

#include <gtest/gtest.h>

#include "shell/ConfigLocation.h"
#include "support/ScopedVariable.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::ScopedVariable;
using test::TempFolder;

TEST(UserFolders, TheSettingsFolderIgnoresARelativeXdgConfigHome) {
    const TempFolder home;
    const TempFolder config;
    const ScopedVariable homeVariable{"HOME", home.path()};
    {
        const ScopedVariable set{"XDG_CONFIG_HOME", config.path()};
        EXPECT_EQ(UserConfigFolder(), config.path());
        EXPECT_EQ(UserConfigPath(), config.path() + "/Vitalis/VurConfig.ini");
    }
    // A relative value would put the settings wherever the program was started from.
    for (const char* invalid : {"", "settings", "./settings", "~/.config"}) {
        const ScopedVariable set{"XDG_CONFIG_HOME", std::string(invalid)};
        EXPECT_EQ(UserConfigPath(), home.path() + "/.config/Vitalis/VurConfig.ini")
            << "XDG_CONFIG_HOME=" << invalid;
    }
    const ScopedVariable noHome{"HOME", std::nullopt};
    const ScopedVariable relative{"XDG_CONFIG_HOME", std::string("settings")};
    EXPECT_EQ(UserConfigFolder(), "");
    EXPECT_EQ(UserConfigPath(), "");
}

}  // namespace
}  // namespace vitalis
