#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "analysis/PeriodRanges.h"
#include "analysis/PeriodSummary.h"
#include "analysis/StatisticsTable.h"
#include "case/TextSource.h"
#include "case/ThresholdSettings.h"
#include "ui/UserMessages.h"
#include "views/CaseDocument.h"
#include "views/PageController.h"
#include "views/TrendGraphPainter.h"
#include "views/TrendInteraction.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace vitalis {

// The single view of the main window: the analysis period and the pie ranges above, the
// current page below. It runs the analysis whenever the readings or the period change.
class CTensioView : public QWidget {
    Q_OBJECT

  public:
    static inline const QColor kBackground{199, 237, 204};

    CTensioView(CaseDocument& doc, const TextSource& texts,
                std::function<const ThresholdSettings&()> thresholds, UserMessages messages,
                QWidget* parent = nullptr);

    // Loads the case into the document and analyses it; false (and a message) when it fails.
    bool OpenCase(const QString& path);
    // Analyses the readings again after they changed (edits, a new sleep period).
    void Reanalyse();
    void ShowPage(PageKind kind);
    // Where the clinical summary takes its guideline profile id from (the default without).
    void SetGuidelineSource(std::function<const std::string&()> guideline) {
        guideline_ = std::move(guideline);
    }
    // The statistics information: period counts and loads of the open case, handed to
    // statisticsRequested for showing.
    void ShowStatistics();
    void Relabel();

    PageController& controller() { return controller_; }
    Period period() const { return period_; }
    const PeriodSummary& summary() const { return summary_; }
    RangeBounds ranges() const;
    QRadioButton* periodButton(Period period) const;
    QSpinBox* rangeSpin(int index) const {
        return rangeSpins_[index];
    }  // 0..5: SYS, DIA, PR low/high
    QString statusText() const;

    // The reading a click on the trend graph chose last, by its place in allMeasurements.
    std::optional<int> selectedReading() const { return interaction_->selectedReading(); }
    TrendGraphPainter& trend() { return *trend_; }
    TrendInteraction& trendInteraction() { return *interaction_; }
    // The day selector of the trend page: the whole recording, then each calendar day.
    QComboBox* daySelector() const { return days_; }

  signals:
    void statusTextChanged(const QString& text);
    // The graph never changes the case itself; its owner carries these out.
    void excludeReadingRequested(int measurementIndex);  // toggle exclusion of that reading
    void sleepPeriodRequested(int awakeEntry, int asleepEntry);
    void readingSelected(int measurementIndex);  // a click selects a reading
    void statisticsRequested(const StatisticsTable& table);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildControls();
    // The trend graph's pointer, key and gesture handling, with its requests passed on.
    void ConnectTrend();
    void ChoosePeriod(Period period);
    void RangesChanged();
    void SetRanges(const RangeBounds& bounds);
    void UpdateControls();
    QRect PageArea() const;
    PageContext Context() const;
    QString Text(std::string_view section, std::string_view key) const;
    bool OnTrend() const;
    // The trend graph's stretch of time changed: repaint and keep the day selector in step.
    void ZoomChanged();
    void FillDays();

    CaseDocument& doc_;
    const TextSource& texts_;
    std::function<const ThresholdSettings&()> thresholds_;
    std::function<const std::string&()> guideline_;
    UserMessages messages_;
    PageController controller_;
    TrendGraphPainter* trend_ = nullptr;  // owned by controller_
    TrendInteraction* interaction_ = nullptr;
    PeriodRanges rangeSets_;  // the bounds of each period, as last set
    QComboBox* days_ = nullptr;
    Period period_ = Period::Whole;
    bool divided_ = false;  // the last analysis could divide the readings
    PeriodSummary summary_;
    QWidget* controls_ = nullptr;
    QGroupBox* periodGroup_ = nullptr;
    QRadioButton* periodButtons_[3] = {};
    QSpinBox* rangeSpins_[6] = {};
    QLabel* rangeLabels_[6] = {};
};

}  // namespace vitalis
