#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <string_view>

#include "case/TextSource.h"
#include "case/ThresholdSettings.h"
#include "shell/ThresholdForm.h"

class QComboBox;
class QGridLayout;
class QPushButton;
class QSpinBox;

namespace vitalis {

// The thresholds and limits the analysis compares against. Each value is corrected as it is
// typed (too high, or not below the value that must stay above it) and when its field is
// left (too low); the page is also a page of the configuration window.
class ThresholdPage : public QWidget {
    Q_OBJECT

  public:
    ThresholdPage(const TextSource& texts, const ThresholdSettings& current,
                  std::string_view guideline = "esh2023", QWidget* parent = nullptr);

    QSpinBox* field(ThresholdField which) const { return fields_[Index(which)]; }
    QPushButton* defaultButton() const { return defaults_; }
    QComboBox* guidelineBox() const { return guideline_; }
    QPushButton* profileButton() const { return useProfile_; }
    // The id of the guideline profile chosen for the clinical verdict.
    std::string guideline() const;
    // The values as the page shows them.
    ThresholdSettings values() const;
    // The user left a field: every correction of that field applies.
    void FieldLeft(ThresholdField which);

  private:
    static size_t Index(ThresholdField which) { return static_cast<size_t>(which); }
    QSpinBox* MakeField(ThresholdField which, int value);
    void FieldTyped(ThresholdField which, int typed);
    void SetShown(ThresholdField which, int value);
    void RestoreDefaultPressures();
    void UseProfileThresholds();
    void GuidelineRows(const TextSource& texts, std::string_view guideline, QGridLayout* grid);

    std::array<QSpinBox*, kThresholdFields.size()> fields_{};
    QPushButton* defaults_ = nullptr;
    QComboBox* guideline_ = nullptr;
    QPushButton* useProfile_ = nullptr;
};

}  // namespace vitalis
