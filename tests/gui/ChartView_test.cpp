#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>

#include <filesystem>

#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/Workstation.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"
#include "views/CTensioView.h"
#include "views/TrendLayout.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;

class ChartViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.AddShippedLanguages();
        config.SetApplicationDirectory(folder.path());
        fs::create_directories(folder.File("data"));
        test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 48);
    }
    UserMessages Recorded() {
        return {[this](QWidget*, const QString& text) { told.push_back(text); },
                [](QWidget*, const QString&) { return true; }};
    }
    // Where the view draws its page: below the row of controls.
    static QRect PageArea(CTensioView& view) {
        const int top = view.findChild<QWidget*>(QStringLiteral("viewControls"))->height();
        return QRect(0, top, view.width(), view.height() - top);
    }
    static void Send(CTensioView& view, QEvent::Type type, QPoint at) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }

    test::TempFolder folder;
    std::string path = folder.File("data/2603010800.awp");
    LanguageTable languages;
    AppConfigHeron config{languages};
    std::vector<QString> told;
};

TEST_F(ChartViewTest, PageCommandsWorkOnceACaseIsOpenAndShowTheirControls) {
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    const int pages[] = {command::kTrendGraph, command::kBarGraph, command::kPieChart,
                         command::kCorrelationChart};
    for (const int id : pages) EXPECT_TRUE(station.frame().Action(id)->isEnabled()) << id;

    CTensioView& view = station.view();
    station.frame().show();
    station.Run(command::kPieChart);
    EXPECT_EQ(view.controller().kind(), PageKind::Pie);
    EXPECT_TRUE(view.rangeSpin(0)->isVisible());
    EXPECT_TRUE(view.periodButton(Period::Awake)->isVisible());
    for (const int id : {command::kTrendGraph, command::kBarGraph, command::kCorrelationChart}) {
        station.Run(id);
        EXPECT_FALSE(view.rangeSpin(0)->isVisible()) << id;
        EXPECT_TRUE(view.periodButton(Period::Awake)->isVisible()) << id;
    }
    EXPECT_FALSE(view.grab().isNull());
    EXPECT_TRUE(told.empty());
}

TEST_F(ChartViewTest, TheClinicalSummaryCommandShowsItsPage) {
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    EXPECT_TRUE(station.frame().Action(command::kClinicalSummary)->isEnabled());
    station.frame().show();
    station.Run(command::kClinicalSummary);
    EXPECT_EQ(station.view().controller().kind(), PageKind::Clinical);
    EXPECT_FALSE(station.view().grab().isNull());
    EXPECT_TRUE(told.empty());
}

TEST_F(ChartViewTest, APlainClickNeverExcludesTheUndoableToggleDoes) {
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    CTensioView& view = station.view();
    view.resize(900, 600);
    view.ShowPage(PageKind::Trend);
    Recording& recording = station.doc().recording();
    const int counted = recording.analysis.validCount;
    ASSERT_GT(counted, 0);
    view.grab();  // paints once, as the screen would

    const std::vector<TrendRow> rows = BuildTrendRows(recording);
    const TrendLayout layout = LayOutTrend(PageArea(view), 1.0, rows);
    const QPoint first(static_cast<int>(layout.XOf(rows[0].minute)) + 3,
                       static_cast<int>(layout.plot.center().y()));
    Send(view, QEvent::MouseMove, first);
    Send(view, QEvent::MouseButtonPress, first);
    const size_t position = static_cast<size_t>(rows[0].position);
    EXPECT_EQ(recording.allMeasurements()[position].valid, 1);
    EXPECT_EQ(recording.analysis.validCount, counted);
    EXPECT_FALSE(station.doc().HasUnsavedChanges());

    // The document's toggle excludes, the analysis follows, and Undo takes it back.
    ASSERT_TRUE(station.doc().ToggleExclusion(static_cast<int>(position)));
    EXPECT_EQ(recording.allMeasurements()[position].valid, 0);
    EXPECT_EQ(recording.analysis.validCount, counted - 1);
    EXPECT_FALSE(view.grab().isNull());
    station.Run(editcommand::kUndo);
    EXPECT_EQ(recording.analysis.validCount, counted);
    station.Run(editcommand::kRedo);
    EXPECT_EQ(recording.analysis.validCount, counted - 1);
    EXPECT_TRUE(told.empty());
}

}  // namespace
}  // namespace vitalis
