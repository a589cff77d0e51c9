#include "shell/CommandTable.h"

#include <gtest/gtest.h>

#include <set>

namespace vitalis {
namespace {

TEST(CommandTable, ToolbarRunsFromWearToExit) {
    const std::vector<int>& buttons = ToolbarCommands();
    ASSERT_EQ(buttons.size(), 15u);
    EXPECT_EQ(buttons.front(), command::kWearInstructions);
    EXPECT_EQ(buttons.back(), command::kExit);
    for (const int id : buttons) {
        const CommandInfo* info = FindCommand(id);
        ASSERT_NE(info, nullptr) << id;
        EXPECT_TRUE(info->buttonText.has_value()) << id;
    }
}

TEST(CommandTable, MenusReferToKnownCommandsOnce) {
    std::set<int> seen;
    for (const MenuEntry& entry : MenuBar()) {
        if (!entry.IsPopup()) {
            EXPECT_NE(FindCommand(entry.command), nullptr);
            EXPECT_TRUE(seen.insert(entry.command).second);
        }
        for (const int id : entry.popupItems) {
            if (id == 0) continue;
            ASSERT_NE(FindCommand(id), nullptr) << id;
            EXPECT_TRUE(FindCommand(id)->menuText.has_value()) << id;
            EXPECT_TRUE(seen.insert(id).second) << id;
        }
    }
    EXPECT_EQ(MenuBar().back().text.key, "IDS_HELPS");
    const auto& file = MenuBar().front().popupItems;
    EXPECT_NE(std::find(file.begin(), file.end(), command::kLinkWay), file.end());
    for (const int exportCommand : {command::kExportCsv, command::kExportFhir})
        EXPECT_NE(std::find(file.begin(), file.end(), exportCommand), file.end()) << exportCommand;
}

TEST(CommandTable, CaseCommandsAreExactlyTheViewPagesAndCaseDialogs) {
    std::set<int> needsCase;
    for (const CommandInfo& info : Commands()) {
        if (info.needsOpenCase) needsCase.insert(info.id);
    }
    EXPECT_EQ(needsCase, (std::set<int>{32773, 32775, 32800, 32902, 32904, 32905, 32906, 32907,
                                        32908, 32909, 32910, 32911, 32912, 32913, 32914, 32915}));
}

}  // namespace
}  // namespace vitalis
