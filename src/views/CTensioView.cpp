#include "views/CTensioView.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include "views/TrendDiaryMarkers.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QWheelEvent>

#include "analysis/AnalysisOrder.h"
#include "case/TextSource.h"
#include "views/ChartPages.h"
#include "views/ChartStyle.h"

namespace vitalis {
namespace {

constexpr int kControlsHeight = 96;
constexpr double kZoomStep = 0.5;  // Ctrl + halves the time shown, Ctrl - doubles it
constexpr double kWheelStep = 0.8;

// A sleep-period entry: the half hour nearest to a minute of the day.
int EntryOf(int64_t minute) {
    return static_cast<int>(((minute % 1440 + 1440) % 1440 + 15) / 30 % 48);
}

}  // namespace

CTensioView::CTensioView(CaseDocument& doc, const TextSource& texts,
                         std::function<const ThresholdSettings&()> thresholds,
                         UserMessages messages, QWidget* parent)
    : QWidget(parent),
      doc_(doc),
      texts_(texts),
      thresholds_(std::move(thresholds)),
      messages_(std::move(messages)) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // the page covers the whole client area
    setMinimumSize(640, 400);
    setMouseTracking(true);  // the trend graph's box follows the pointer
    // A failed paint is told after painting, never from inside it.
    const PaintFailureReport report = [this](const QString& text) {
        QTimer::singleShot(0, this, [this, text] { messages_.inform(this, text); });
    };
    InstallChartPages(controller_, report);
    auto trend = std::make_unique<TrendGraphPainter>(report);
    trend_ = trend.get();
    controller_.SetPainter(PageKind::Trend, std::move(trend));
    setFocusPolicy(Qt::StrongFocus);  // Delete on the trend graph
    BuildControls();
    Relabel();
    UpdateControls();
}

QString CTensioView::Text(std::string_view section, std::string_view key) const {
    return QString::fromStdString(texts_.Text(section, key));
}

void CTensioView::BuildControls() {
    controls_ = new QWidget(this);
    controls_->setObjectName(QStringLiteral("viewControls"));
    auto* row = new QHBoxLayout(controls_);
    periodGroup_ = new QGroupBox(controls_);
    auto* periods = new QHBoxLayout(periodGroup_);
    for (int i = 0; i < 3; ++i) {
        periodButtons_[i] = new QRadioButton(periodGroup_);
        periodButtons_[i]->setObjectName(QStringLiteral("period%1").arg(1001 + i));
        periods->addWidget(periodButtons_[i]);
        connect(periodButtons_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) ChoosePeriod(kPeriods[i]);
        });
    }
    periodButtons_[0]->setChecked(true);
    row->addWidget(periodGroup_);

    auto* ranges = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        rangeLabels_[i] = new QLabel(controls_);
        rangeSpins_[i] = new QSpinBox(controls_);
        rangeSpins_[i]->setObjectName(QStringLiteral("range%1").arg(1013 + i));
        rangeSpins_[i]->setRange(0, 300);
        ranges->addWidget(rangeLabels_[i], i / 2, (i % 2) * 2);
        ranges->addWidget(rangeSpins_[i], i / 2, (i % 2) * 2 + 1);
        connect(rangeSpins_[i], &QSpinBox::valueChanged, this, &CTensioView::RangesChanged);
    }
    row->addLayout(ranges);
    days_ = new QComboBox(controls_);
    days_->setObjectName(QStringLiteral("trendDays"));
    row->addWidget(days_);
    connect(days_, &QComboBox::activated, this, [this](int index) {
        if (index <= 0)
            trend_->zoom().Reset();
        else
            trend_->zoom().ShowDay(index - 1);
        ZoomChanged();
    });
    row->addStretch(1);
    controls_->setGeometry(0, 0, 900, kControlsHeight);
    SetRanges(kFirstSummaryRanges);
}

void CTensioView::Relabel() {
    periodGroup_->setTitle(Text(kGlobalTexts, "IDS_GRAPH_TYPE"));
    const char* periodKeys[3] = {"IDS_ALL", "IDS_DAYTIME", "IDS_NIGHT"};
    for (int i = 0; i < 3; ++i) periodButtons_[i]->setText(Text(kMenuTexts, periodKeys[i]));
    const char* names[3] = {"IDS_SYS", "IDS_DIA", "IDS_PULSE_RATE"};
    // As in the pie legend: readings below the low bound are "below", above the high "above".
    const QString pulseUnit = QLatin1Char(' ') + Text(kMenuTexts, "IDS_HEART_RATE").toUpper();
    for (int i = 0; i < 6; ++i) {
        const QString bound = Text(kMenuTexts, i % 2 == 0 ? "IDS_BELOW" : "IDS_ABOVE");
        rangeLabels_[i]->setText(Text(kNoticeTexts, names[i / 2]) + QLatin1Char(' ') + bound);
        rangeSpins_[i]->setSuffix(i / 2 == 2 ? pulseUnit : QStringLiteral(" mmHg"));
    }
    FillDays();
    update();
}

RangeBounds CTensioView::ranges() const {
    return {rangeSpins_[0]->value(), rangeSpins_[1]->value(), rangeSpins_[2]->value(),
            rangeSpins_[3]->value(), rangeSpins_[4]->value(), rangeSpins_[5]->value()};
}

void CTensioView::SetRanges(const RangeBounds& b) {
    const int values[6] = {b.sysLow, b.sysHigh, b.diaLow, b.diaHigh, b.prLow, b.prHigh};
    for (int i = 0; i < 6; ++i) {
        const QSignalBlocker quiet(rangeSpins_[i]);
        rangeSpins_[i]->setValue(values[i]);
    }
}

QRadioButton* CTensioView::periodButton(Period period) const {
    return periodButtons_[PeriodSlot(period)];
}

bool CTensioView::OpenCase(const QString& path) {
    if (!doc_.OpenCase(path)) {
        if (doc_.openCancelled()) return false;  // the open case stays as it was
        // No figure may stand under the name of the patient that was open before.
        emit statusTextChanged(statusText());
        // Say which file and why, when the file itself is at fault.
        const CaseReadError& error = doc_.recording().readError;
        messages_.inform(this, error ? QString::fromStdString(DamagedCaseMessage(
                                           texts_, QFileInfo(path).fileName().toStdString(), error))
                                     : Text(kNoticeTexts, "IDS_CASE_FILE"));
        UpdateControls();
        update();
        return false;
    }
    period_ = Period::Whole;
    {
        const QSignalBlocker quiet(periodButtons_[0]);
        periodButtons_[0]->setChecked(true);
    }
    SetRanges(kFirstSummaryRanges);
    trend_->zoom().Reset();  // a new case starts from the whole of it
    Reanalyse();
    emit statusTextChanged(statusText());
    return true;
}

void CTensioView::Reanalyse() {
    if (!doc_.caseOpen()) return;
    Recording& recording = doc_.recording();
    const ViewAnalysis result = RunViewAnalysis(recording, recording.analysis, period_, ranges());
    divided_ = result.divided;
    if (!result.divided) messages_.inform(this, Text(kNoticeTexts, "IDS_DIVIDING_ERROR"));
    summary_ = result.summary;
    UpdateControls();
    update();
}

void CTensioView::ChoosePeriod(Period period) {
    if (!doc_.caseOpen()) return;
    period_ = period;
    SetRanges(InitialRanges(period, thresholds_()));
    summary_ = SelectPeriod(doc_.recording().analysis, period_, ranges());
    update();
}

void CTensioView::RangesChanged() {
    if (!doc_.caseOpen()) return;
    summary_ = SelectPeriod(doc_.recording().analysis, period_, ranges());
    update();
}

void CTensioView::ShowPage(PageKind kind) {
    controller_.SetKind(kind);
    UpdateControls();
    update();
}

void CTensioView::UpdateControls() {
    const bool open = doc_.caseOpen();
    const bool periods = open && !doc_.recording().multiDay;
    // The range bounds only shape the pie page.
    const bool pie = controller_.kind() == PageKind::Pie;
    FillDays();
    const bool days = open && OnTrend() && trend_->zoom().DayCount() > 1 &&
                      trend_->zoom().whole().Span() > TrendZoom::kDay;
    // A strip with nothing in it would only take room from the page.
    controls_->setVisible(open && (periods || pie || days));
    periodGroup_->setVisible(periods);
    days_->setVisible(days);
    for (int i = 0; i < 6; ++i) {
        rangeSpins_[i]->setVisible(pie);
        rangeLabels_[i]->setVisible(pie);
    }
}

void CTensioView::ShowStatistics() {
    if (!doc_.caseOpen()) return;
    // Every change of readings, period or thresholds re-runs the analysis, so the division and
    // the period figures the table needs are current already.
    if (!divided_) messages_.inform(this, Text(kNoticeTexts, "IDS_DIVIDING_ERROR"));
    const Recording& recording = doc_.recording();
    emit statisticsRequested(BuildStatisticsTable(recording.analysis, thresholds_(), texts_));
}

QString CTensioView::statusText() const {
    if (!doc_.caseOpen()) return {};
    const Recording& r = doc_.recording();
    const ClockTime& b = r.testBegin;
    return QStringLiteral("Patient:   %1   ID:   %2   Test date: %3/%4/%5 %6:%7")
        .arg(QString::fromStdString(r.patient.name), QString::fromStdString(r.patient.id))
        .arg(b.year)
        .arg(b.month)
        .arg(b.day)
        .arg(b.hour)
        .arg(b.minute);
}

QRect CTensioView::PageArea() const {
    const int top = controls_->isVisible() ? kControlsHeight : 0;
    return QRect(0, top, width(), height() - top);
}

void CTensioView::paintEvent(QPaintEvent*) {
    // Drawn off screen first, so a page never flickers while it is built up.
    QPixmap buffer(size() * devicePixelRatioF());
    buffer.setDevicePixelRatio(devicePixelRatioF());
    buffer.fill(kBackground);
    if (doc_.caseOpen()) {
        QPainter page(&buffer);
        page.setRenderHint(QPainter::Antialiasing);
        controller_.Draw(page, PageArea(), Context());
    }
    QPainter screen(this);
    screen.drawPixmap(0, 0, buffer);
}

PageContext CTensioView::Context() const {
    PageContext context{doc_.recording(), summary_, period_, thresholds_(), texts_, ranges()};
    if (guideline_) context.guideline = guideline_();
    return context;
}

void CTensioView::resizeEvent(QResizeEvent*) {
    controls_->setGeometry(0, 0, width(), kControlsHeight);
}

void CTensioView::mousePressEvent(QMouseEvent* event) {
    if (!doc_.caseOpen() || event->button() != Qt::LeftButton) return;
    const QPoint point = event->position().toPoint();
    if (OnTrend()) {
        // A plain click only chooses a reading; excluding one takes a deliberate act.
        using Edge = TrendGraphPainter::NightEdge;
        const Edge edge = trend_->NightEdgeAt(point);
        if (edge != Edge::None) {
            drag_ = edge == Edge::AsleepStart ? Drag::AsleepStart : Drag::AwakeStart;
        } else if (const auto reading = trend_->ReadingAt(point)) {
            selected_ = reading;
            emit readingSelected(*reading);
        } else if (trend_->layout().plot.contains(event->position())) {
            drag_ = Drag::Pan;
            dragX_ = event->position().x();
            setCursor(Qt::ClosedHandCursor);
        }
        return;
    }
    // A plain click never changes a reading: excluding is a deliberate, undoable command.
    QWidget::mousePressEvent(event);
}

void CTensioView::keyPressEvent(QKeyEvent* event) {
    if (doc_.caseOpen() && OnTrend() && TrendKey(*event)) return;
    if (doc_.caseOpen() && controller_.kind() == PageKind::Trend &&
        event->key() == Qt::Key_Delete) {
        const std::optional<int> reading =
            trend_->hoveredPosition() ? trend_->hoveredPosition() : selected_;
        if (reading) {
            emit excludeReadingRequested(*reading);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void CTensioView::contextMenuEvent(QContextMenuEvent* event) {
    if (!doc_.caseOpen() || controller_.kind() != PageKind::Trend) return;
    const auto reading = trend_->ReadingAt(event->pos());
    if (!reading) return;
    const auto& all = doc_.recording().allMeasurements();
    if (static_cast<size_t>(*reading) >= all.size()) return;
    const bool excluded = all[static_cast<size_t>(*reading)].valid != 1;
    QMenu menu(this);
    const QAction* toggle = menu.addAction(
        Text(kGlobalTexts, excluded ? "IDS_INCLUDE_READING" : "IDS_EXCLUDE_READING"));
    if (menu.exec(event->globalPos()) == toggle) emit excludeReadingRequested(*reading);
}

void CTensioView::mouseMoveEvent(QMouseEvent* event) {
    if (!doc_.caseOpen()) return;
    const QPointF at = event->position();
    if (drag_ == Drag::Pan) {
        const TrendLayout& layout = trend_->layout();
        const double perPixel = static_cast<double>(layout.window.Span()) / layout.plot.width();
        const auto minutes = static_cast<int64_t>(std::llround((dragX_ - at.x()) * perPixel));
        if (minutes != 0) {
            trend_->zoom().Pan(minutes);
            dragX_ = at.x();
            ZoomChanged();
        }
        return;
    }
    if (drag_ == Drag::AsleepStart || drag_ == Drag::AwakeStart) {
        // The band follows the pointer in half hours, as the sleep-period dialog offers them.
        TrendGraphPainter::Night night = trend_->night();
        const int minute = EntryOf(trend_->layout().MinuteAt(at.x())) * 30;
        (drag_ == Drag::AsleepStart ? night.asleepStart : night.awakeStart) = minute;
        trend_->PreviewNight(night);
        update();
        return;
    }
    if (OnTrend()) {
        const bool edge = trend_->NightEdgeAt(at.toPoint()) != TrendGraphPainter::NightEdge::None;
        if (edge)
            setCursor(Qt::SplitHCursor);
        else
            unsetCursor();
    }
    if (controller_.Hover(at.toPoint(), PageArea(), Context())) update();
    if (OnTrend()) {
        setToolTip(
            DiaryMarkerTip(at.toPoint(), trend_->layout(), doc_.recording(), Context().texts));
    }
}

void CTensioView::mouseReleaseEvent(QMouseEvent* event) {
    const Drag drag = std::exchange(drag_, Drag::None);
    if (drag == Drag::None || event->button() != Qt::LeftButton) return;
    unsetCursor();
    if (drag == Drag::Pan) return;
    const TrendGraphPainter::Night before{doc_.recording().asleepStart,
                                          doc_.recording().awakeStart};
    const TrendGraphPainter::Night after = trend_->night();
    trend_->PreviewNight(std::nullopt);
    update();
    // Handed on only when it changed: each request is a step in the undo history.
    if (after != before && after.asleepStart != after.awakeStart)
        emit sleepPeriodRequested(after.awakeStart / 30, after.asleepStart / 30);
}

void CTensioView::wheelEvent(QWheelEvent* event) {
    if (!doc_.caseOpen() || !OnTrend() || event->angleDelta().y() == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    ZoomAt(event->angleDelta().y() > 0 ? kWheelStep : 1.0 / kWheelStep, event->position().x());
}

bool CTensioView::event(QEvent* event) {
    if (event->type() == QEvent::NativeGesture && doc_.caseOpen() && OnTrend()) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture && gesture->value() > -1) {
            ZoomAt(1.0 / (1.0 + gesture->value()), gesture->position().x());
            return true;
        }
    }
    return QWidget::event(event);
}

bool CTensioView::OnTrend() const {
    return controller_.kind() == PageKind::Trend;
}

void CTensioView::ZoomAt(double factor, double x) {
    const TrendLayout& layout = trend_->layout();
    trend_->zoom().ZoomBy(factor, layout.MinuteAt(x));
    ZoomChanged();
}

bool CTensioView::TrendKey(const QKeyEvent& event) {
    TrendZoom& zoom = trend_->zoom();
    const bool control = event.modifiers() & Qt::ControlModifier;
    const TimeWindow shown = zoom.Visible();
    const int64_t centre = shown.first + shown.Span() / 2;
    switch (event.key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            if (!control) return false;
            zoom.ZoomBy(kZoomStep, centre);
            break;
        case Qt::Key_Minus:
            if (!control) return false;
            zoom.ZoomBy(1.0 / kZoomStep, centre);
            break;
        case Qt::Key_0:
            if (!control) return false;
            zoom.Reset();
            break;
        case Qt::Key_Home:
            zoom.Reset();
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
            zoom.Pan((event.key() == Qt::Key_Left ? -1 : 1) *
                     std::max<int64_t>(1, shown.Span() / 10));
            break;
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            if (zoom.DayCount() < 2) return false;
            zoom.PageDay(event.key() == Qt::Key_PageDown ? 1 : -1);
            break;
        default:
            return false;
    }
    ZoomChanged();
    return true;
}

void CTensioView::ZoomChanged() {
    if (const auto day = trend_->zoom().ShownDay())
        days_->setCurrentIndex(*day + 1);
    else
        days_->setCurrentIndex(0);
    update();
}

void CTensioView::FillDays() {
    if (!days_) return;
    const QSignalBlocker quiet(days_);
    days_->clear();
    days_->addItem(Text(kGlobalTexts, "IDS_TREND_WHOLE"));
    if (!doc_.caseOpen()) return;
    const std::vector<TrendRow> rows = BuildTrendRows(doc_.recording());
    if (rows.empty()) return;
    const auto [low, high] = std::minmax_element(
        rows.begin(), rows.end(),
        [](const TrendRow& a, const TrendRow& b) { return a.minute < b.minute; });
    TrendZoom& zoom = trend_->zoom();
    zoom.SetWhole({low->minute, high->minute});
    for (int day = 0; day < zoom.DayCount(); ++day)
        days_->addItem(ToQString(AxisDateText(ClockTimeFromMinutes(zoom.DayStart(day)))));
    const auto shown = zoom.ShownDay();
    days_->setCurrentIndex(shown ? *shown + 1 : 0);
}

void CTensioView::leaveEvent(QEvent*) {
    // Nothing lies under a pointer that has left the view.
    if (doc_.caseOpen() && controller_.Hover(QPoint(-1, -1), PageArea(), Context())) update();
}

}  // namespace vitalis
