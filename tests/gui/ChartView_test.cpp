#include <gtest/gtest.h>
#include <QAction>
#include <QKeyEvent>
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

TEST_F(ChartViewTest, AClickSelectsAReadingAndOnlyTheDeleteKeyExcludesIt) {
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    CTensioView& view = station.view();
    view.resize(900, 600);
    view.ShowPage(PageKind::Trend);
    Recording& recording = station.doc().recording();
    const int counted = recording.analysis.validCount;
    ASSERT_GT(counted, 0);
    view.grab();  // paints once, as the screen would
    std::vector<int> selected;
    QObject::connect(&view, &CTensioView::readingSelected, [&](int i) { selected.push_back(i); });

    const std::vector<TrendRow> rows = BuildTrendRows(recording);
    const TrendLayout layout = LayOutTrend(PageArea(view), 1.0, rows);
    const QPoint first(static_cast<int>(layout.XOf(rows[0].minute)) + 3,
                       static_cast<int>(layout.plot.center().y()));
    Send(view, QEvent::MouseMove, first);
    Send(view, QEvent::MouseButtonPress, first);
    EXPECT_EQ(selected, std::vector<int>{rows[0].position});
    EXPECT_EQ(recording.allMeasurements()[static_cast<size_t>(rows[0].position)].valid, 1);
    EXPECT_EQ(recording.analysis.validCount, counted);

    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(&view, &del);
    EXPECT_EQ(recording.allMeasurements()[static_cast<size_t>(rows[0].position)].valid, 0);
    EXPECT_EQ(recording.analysis.validCount, counted - 1);
    EXPECT_FALSE(view.grab().isNull());  // with the box of the excluded reading
    QApplication::sendEvent(&view, &del);
    EXPECT_EQ(recording.analysis.validCount, counted);
    // Each exclusion from the graph is a step of the undo history.
    station.Run(editcommand::kUndo);
    EXPECT_EQ(recording.analysis.validCount, counted - 1);
    station.Run(editcommand::kUndo);
    EXPECT_EQ(recording.analysis.validCount, counted);

    // Away from every reading a click selects nothing.
    Send(view, QEvent::MouseButtonPress, QPoint(2, PageArea(view).bottom() - 2));
    EXPECT_EQ(selected.size(), 1u);
    EXPECT_TRUE(told.empty());
}

TEST_F(ChartViewTest, ASleepPeriodFromTheGraphChangesTheCaseAsTheDialogDoes) {
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    CTensioView& view = station.view();
    Recording& recording = station.doc().recording();
    emit view.sleepPeriodRequested(13, 45);  // awake 6:30, asleep 22:30
    EXPECT_EQ(recording.awakeStart, 13 * 30);
    EXPECT_EQ(recording.asleepStart, 45 * 30);
    EXPECT_TRUE(told.empty());
}

}  // namespace
}  // namespace vitalis
