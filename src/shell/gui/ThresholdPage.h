#pragma once

#include <QWidget>
#include <array>

#include "analysis/ThresholdSettings.h"
#include "case/TextSource.h"
#include "shell/ThresholdForm.h"

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
                  QWidget* parent = nullptr);

    QSpinBox* field(ThresholdField which) const { return fields_[Index(which)]; }
    QPushButton* defaultButton() const { return defaults_; }
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

    std::array<QSpinBox*, kThresholdFields.size()> fields_{};
    QPushButton* defaults_ = nullptr;
};

}  // namespace vitalis
