#include "views/CTensioView.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "analysis/AnalysisOrder.h"
#include "case/TextSource.h"
#include "views/ChartPages.h"
#include "views/ChartStyle.h"

namespace vitalis {
namespace {

constexpr int kControlsHeight = 96;

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
    // A failed paint is told after painting, never from inside it.
    const PaintFailureReport report = [this](const QString& text) {
        QTimer::singleShot(0, this, [this, text] { messages_.inform(this, text); });
    };
    InstallChartPages(controller_, report);
    auto trend = std::make_unique<TrendGraphPainter>(report);
    trend_ = trend.get();
    controller_.SetPainter(PageKind::Trend, std::move(trend));
    setFocusPolicy(Qt::StrongFocus);  // Delete on the trend graph
    ConnectTrend();
    BuildControls();
    Relabel();
    UpdateControls();
}

void CTensioView::ConnectTrend() {
    const auto active = [this] { return doc_.caseOpen() && OnTrend(); };
    interaction_ =
        new TrendInteraction(*this, doc_, *trend_,
                             {active, [this] { return PageArea(); }, [this] { return Context(); }});
    connect(interaction_, &TrendInteraction::zoomChanged, this, &CTensioView::ZoomChanged);
    connect(interaction_, &TrendInteraction::readingSelected, this, &CTensioView::readingSelected);
    connect(interaction_, &TrendInteraction::excludeReadingRequested, this,
            &CTensioView::excludeReadingRequested);
    connect(interaction_, &TrendInteraction::sleepPeriodRequested, this,
            &CTensioView::sleepPeriodRequested);
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
        rangeLabels_[i]->setObjectName(QStringLiteral("range%1").arg(1019 + i));
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
    rangeSets_.Reset();
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
    SetRanges(rangeSets_.Of(period, thresholds_()));
    summary_ = SelectPeriod(doc_.recording().analysis, period_, ranges());
    update();
}

void CTensioView::RangesChanged() {
    if (!doc_.caseOpen()) return;
    rangeSets_.Set(period_, ranges());
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

bool CTensioView::OnTrend() const {
    return controller_.kind() == PageKind::Trend;
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
        days_->addItem(ToQString(ShownDate(ClockTimeFromMinutes(zoom.DayStart(day)))));
    const auto shown = zoom.ShownDay();
    days_->setCurrentIndex(shown ? *shown + 1 : 0);
}

}  // namespace vitalis
