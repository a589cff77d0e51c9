#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPinchGesture>
#include <QRadioButton>
#include <QSpinBox>

#include <filesystem>

#include "analysis/PeriodSummary.h"
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
    static void Key(CTensioView& view, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&view, &event);
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

TEST_F(ChartViewTest, TheTrendZoomsPagesByDayAndReturnsToTheWholeRecording) {
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 300);  // 75 hours at 15 minutes
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    CTensioView& view = station.view();
    view.resize(900, 600);
    view.ShowPage(PageKind::Trend);
    view.grab();
    const TimeWindow whole = view.trend().layout().window;
    TrendZoom& zoom = view.trend().zoom();
    ASSERT_EQ(view.daySelector()->count(), 1 + 4);  // whole, then 1 to 4 March

    Key(view, Qt::Key_Plus, Qt::ControlModifier);
    Key(view, Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_TRUE(zoom.part());
    view.grab();
    EXPECT_LT(view.trend().layout().window.Span(), whole.Span() / 3);
    Key(view, Qt::Key_Home);
    view.grab();
    EXPECT_FALSE(zoom.part());
    EXPECT_EQ(view.trend().layout().window.first, whole.first);
    EXPECT_EQ(view.trend().layout().window.last, whole.last);

    // Page Down from the whole recording shows its first day, then each next one.
    Key(view, Qt::Key_PageDown);
    const int64_t firstDay = MinutesOf({2026, 3, 1, 0, 0});
    ASSERT_TRUE(zoom.part());
    EXPECT_EQ(zoom.part()->first, firstDay);
    Key(view, Qt::Key_PageDown);
    view.grab();
    EXPECT_EQ(view.trend().layout().window.first, firstDay + 1440);
    EXPECT_EQ(view.trend().layout().window.last, firstDay + 2 * 1440);
    EXPECT_EQ(view.daySelector()->currentIndex(), 2);
    Key(view, Qt::Key_PageUp);
    EXPECT_EQ(zoom.part()->first, firstDay);
    Key(view, Qt::Key_0, Qt::ControlModifier);
    EXPECT_FALSE(zoom.part());
    EXPECT_EQ(view.daySelector()->currentIndex(), 0);
    EXPECT_TRUE(told.empty());
}

TEST_F(ChartViewTest, DraggingTheNightBoundarySetsTheAsleepPeriodInHalfHours) {
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    CTensioView& view = station.view();
    view.resize(900, 600);
    view.ShowPage(PageKind::Trend);
    view.grab();
    Recording& recording = station.doc().recording();
    std::vector<std::pair<int, int>> requests;
    QObject::connect(&view, &CTensioView::sleepPeriodRequested,
                     [&](int awake, int asleep) { requests.emplace_back(awake, asleep); });
    const TrendLayout& layout = view.trend().layout();
    const int y = static_cast<int>(layout.plot.center().y());
    const auto at = [&](int hour, int minute) {
        return QPoint(
            static_cast<int>(std::lround(layout.XOf(MinutesOf({2026, 3, 1, hour, minute})))), y);
    };
    const QPoint edge = at(22, 0);
    Send(view, QEvent::MouseMove, edge);
    EXPECT_EQ(view.cursor().shape(), Qt::SplitHCursor);
    Send(view, QEvent::MouseButtonPress, edge);
    Send(view, QEvent::MouseMove, at(23, 20));  // nearest half hour: 23:30
    Send(view, QEvent::MouseButtonRelease, at(23, 20));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], std::make_pair(14, 47));  // awake 7:00 kept, asleep 23:30
    EXPECT_EQ(recording.asleepStart, 23 * 60 + 30);
    station.Run(editcommand::kUndo);
    EXPECT_EQ(recording.asleepStart, 22 * 60);
    EXPECT_TRUE(told.empty());
}

TEST_F(ChartViewTest, EachPeriodKeepsTheRangeBoundsSetForItAndThePieFollowsTheChosenSet) {
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    CTensioView& view = station.view();
    station.frame().show();
    station.Run(command::kPieChart);
    const ThresholdSettings& limits = config.thresholds;
    ASSERT_NE(limits.awakeSys, limits.asleepSys);
    // The captions say which side of a bound counts as outside, as the pie legend does: a
    // reading at or below the low bound is "below", one above the high bound "above".
    const auto caption = [&](int id) {
        return view.findChild<QLabel*>(QStringLiteral("range%1").arg(id))->text();
    };
    EXPECT_TRUE(caption(1019).endsWith(QStringLiteral(" Below"))) << caption(1019).toStdString();
    EXPECT_TRUE(caption(1020).endsWith(QStringLiteral(" Above"))) << caption(1020).toStdString();

    view.periodButton(Period::Asleep)->setChecked(true);
    EXPECT_EQ(view.ranges(), InitialRanges(Period::Asleep, limits));
    view.rangeSpin(1)->setValue(limits.asleepSys + 7);  // SYS high, asleep
    view.periodButton(Period::Awake)->setChecked(true);
    EXPECT_EQ(view.ranges(), InitialRanges(Period::Awake, limits));
    view.rangeSpin(0)->setValue(95);  // SYS low, awake

    view.periodButton(Period::Asleep)->setChecked(true);
    EXPECT_EQ(view.ranges().sysHigh, limits.asleepSys + 7);
    EXPECT_EQ(view.ranges().sysLow, 100);
    Recording& recording = station.doc().recording();
    const PeriodSummary asleep =
        BuildPeriodSummary(recording.analysis, Period::Asleep, view.ranges());
    EXPECT_DOUBLE_EQ(view.summary().sys.aboveFraction, asleep.sys.aboveFraction);
    EXPECT_DOUBLE_EQ(view.summary().sys.withinFraction, asleep.sys.withinFraction);
    view.periodButton(Period::Awake)->setChecked(true);
    EXPECT_EQ(view.ranges().sysLow, 95);
    EXPECT_EQ(view.ranges().sysHigh, limits.awakeSys);

    // A case opened anew starts every period from its thresholds again.
    ASSERT_TRUE(view.OpenCase(QString::fromStdString(path)));
    view.periodButton(Period::Asleep)->setChecked(true);
    EXPECT_EQ(view.ranges(), InitialRanges(Period::Asleep, limits));
    EXPECT_TRUE(told.empty());
}

TEST_F(ChartViewTest, APinchOnATouchScreenZoomsAroundThePinchCentre) {
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 300);  // 75 hours at 15 minutes
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    CTensioView& view = station.view();
    view.resize(900, 600);
    view.ShowPage(PageKind::Trend);
    view.grab();
    TrendZoom& zoom = view.trend().zoom();
    const int64_t whole = zoom.Visible().Span();
    const auto pinch = [&](double scale, double x) {
        QPinchGesture gesture;
        gesture.setChangeFlags(QPinchGesture::ScaleFactorChanged);
        gesture.setScaleFactor(scale);
        const double y = view.trend().layout().plot.center().y();
        gesture.setCenterPoint(view.mapToGlobal(QPointF(x, y)));  // a pinch tells screen points
        QGestureEvent event({&gesture});
        QApplication::sendEvent(&view, &event);
        EXPECT_TRUE(event.isAccepted(&gesture));
        view.grab();
    };

    pinch(2.0, 300);  // fingers apart: half the time
    ASSERT_TRUE(zoom.part());
    EXPECT_NEAR(static_cast<double>(zoom.part()->Span()), whole / 2.0, 2);
    const TrendLayout before = view.trend().layout();
    const double x = before.plot.left() + before.plot.width() * 0.8;
    const int64_t minute = before.MinuteAt(x);
    pinch(2.0, x);
    const TrendLayout& after = view.trend().layout();
    EXPECT_NEAR(static_cast<double>(after.window.Span()), before.window.Span() / 2.0, 2);
    // The minute under the fingers stays under them.
    EXPECT_NEAR(after.XOf(minute), x, 1.5);
    pinch(0.25, x);  // fingers together: back to the whole recording
    EXPECT_FALSE(zoom.part());
    EXPECT_TRUE(told.empty());
}

}  // namespace
}  // namespace vitalis
