#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "shell/CommandTable.h"
#include "shell/LanguageTable.h"
#include "shell/gui/CMainFrameHeron.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

// Texts that can be switched between two "languages".
class SwitchableTexts final : public TextSource {
  public:
    std::string Text(std::string_view, std::string_view key) const override {
        return prefix + std::string(key);
    }
    std::string prefix = "en:";
};

TEST(MainFrame, ToolbarMenusAndLabels) {
    SwitchableTexts texts;
    CMainFrameHeron frame(texts);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Vitalis"));
    frame.resize(1280, 720);
    frame.show();
    QApplication::processEvents();
    EXPECT_GT(frame.Toolbar()->widgetForAction(frame.Toolbar()->actions().at(1))->width(), 55);
    const QList<QAction*> buttons = frame.Toolbar()->actions();
    ASSERT_EQ(buttons.size(), 15);
    EXPECT_EQ(buttons.front()->data().toInt(), command::kWearInstructions);
    EXPECT_EQ(buttons.front()->iconText(), QStringLiteral("en:IDS_ADORN"));
    EXPECT_EQ(buttons.back()->data().toInt(), command::kExit);
    for (QAction* button : buttons) {
        EXPECT_FALSE(button->icon().isNull());
        // Square at least, and wider where the caption needs it.
        const QWidget* widget = frame.Toolbar()->widgetForAction(button);
        EXPECT_EQ(widget->height(), 55);
        EXPECT_GE(widget->width(), 55);
    }
    const QList<QAction*> menus = frame.menuBar()->actions();
    ASSERT_EQ(menus.size(), 7);
    EXPECT_EQ(menus.front()->text(), QStringLiteral("en:IDS_FILE"));
    EXPECT_EQ(menus.back()->text(), QStringLiteral("en:IDS_HELPS"));
    EXPECT_EQ(frame.Action(command::kLinkWay)->text(), QStringLiteral("en:IDS_SET_CONNECT"));
    EXPECT_EQ(frame.Action(command::kClinicalSummary)->text(),
              QStringLiteral("en:IDS_CLINICAL_SUMMARY"));

    texts.prefix = "de:";
    frame.Relabel();
    EXPECT_EQ(menus.front()->text(), QStringLiteral("de:IDS_FILE"));
    EXPECT_EQ(buttons.front()->iconText(), QStringLiteral("de:IDS_ADORN"));
}

TEST(MainFrame, ToolbarCaptionsAreWholeAt1280x720InEveryShippedLanguage) {
    test::TempFolder folder;
    folder.AddShippedLanguages();
    LanguageTable table(folder.path());
    table.ScanLanguages(table.LanguageFolder());
    for (const char* language : {"English", "Spanish", "German"}) {
        table.SelectLanguageFile(language);
        ASSERT_TRUE(table.LoadLanguage()) << language;
        CMainFrameHeron frame(table);
        frame.resize(1280, 720);
        frame.show();
        QApplication::processEvents();
        for (QAction* action : frame.Toolbar()->actions()) {
            const auto* button =
                qobject_cast<QToolButton*>(frame.Toolbar()->widgetForAction(action));
            ASSERT_NE(button, nullptr);
            const int caption = button->fontMetrics().horizontalAdvance(action->iconText());
            EXPECT_FALSE(action->iconText().isEmpty()) << language;
            EXPECT_TRUE(button->isVisible()) << language << " " << action->iconText().toStdString();
            EXPECT_GE(button->width(), button->sizeHint().width())
                << language << " " << action->iconText().toStdString();
            EXPECT_GT(button->width(), caption)
                << language << " " << action->iconText().toStdString();
        }
    }
}

TEST(MainFrame, CaseCommandsFollowTheOpenCase) {
    SwitchableTexts texts;
    CMainFrameHeron frame(texts);
    EXPECT_FALSE(frame.Action(command::kTrendGraph)->isEnabled());
    EXPECT_FALSE(frame.Action(command::kPatientData)->isEnabled());
    EXPECT_TRUE(frame.Action(command::kOpenCase)->isEnabled());
    frame.SetCaseOpen(true);
    EXPECT_TRUE(frame.Action(command::kTrendGraph)->isEnabled());
    EXPECT_TRUE(frame.Action(command::kSleepPeriod)->isEnabled());
    frame.SetUnavailable(command::kPieChart, QStringLiteral("not in this build"));
    EXPECT_FALSE(frame.Action(command::kPieChart)->isEnabled());
    EXPECT_TRUE(
        frame.Action(command::kPieChart)->toolTip().contains(QStringLiteral("not in this build")));
}

TEST(MainFrame, DownloadSavedEventOffersTheOpenDialog) {
    SwitchableTexts texts;
    CMainFrameHeron frame(texts);
    std::vector<int> triggered;
    QObject::connect(&frame, &CMainFrameHeron::commandTriggered,
                     [&](int id) { triggered.push_back(id); });
    QEvent saved(CMainFrameHeron::kDownloadSavedEvent);
    QApplication::sendEvent(&frame, &saved);
    EXPECT_EQ(triggered, std::vector<int>{command::kOpenCase});
}

}  // namespace
}  // namespace vitalis
