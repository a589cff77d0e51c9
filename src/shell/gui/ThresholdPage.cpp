#include "shell/gui/ThresholdPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/clinical/ClinicalTexts.h"
#include "case/TextSource.h"
#include "shell/GuidelineSetting.h"

namespace vitalis {
namespace {

using F = ThresholdField;

QString TextOf(const TextSource& texts, std::string_view section, std::string_view key) {
    return QString::fromStdString(texts.Text(section, key));
}

// Typing may go past the field's range (up to three digits) so that a value too high is
// seen and corrected rather than refused key by key; the up and down steps stay inside it.
class ThresholdSpin final : public QSpinBox {
  public:
    ThresholdSpin(FieldRange range, QWidget* parent) : QSpinBox(parent), range_(range) {
        setRange(0, 999);
    }
    void stepBy(int steps) override {
        setValue(std::clamp(value() + steps, range_.low, range_.high));
    }

  protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() > range_.low) enabled |= StepDownEnabled;
        if (value() < range_.high) enabled |= StepUpEnabled;
        return enabled;
    }

  private:
    FieldRange range_;
};

}  // namespace

ThresholdPage::ThresholdPage(const TextSource& texts, const ThresholdSettings& current,
                             std::string_view guideline, QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(TextOf(texts, kCaseTexts, "IDS_STANDARD_VALUES"));
    for (const F which : kThresholdFields)
        fields_[Index(which)] = MakeField(which, FieldOf(current, which));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(TextOf(texts, kGlobalTexts, "IDS_HP"), this), 0, 1);
    grid->addWidget(new QLabel(TextOf(texts, kGlobalTexts, "IDS_LOW_PRESSURE"), this), 0, 2);
    grid->addWidget(new QLabel(TextOf(texts, kMessageTexts, "IDS_AWAKE"), this), 1, 0);
    grid->addWidget(field(F::AwakeSys), 1, 1);
    grid->addWidget(field(F::AwakeDia), 1, 2);
    grid->addWidget(new QLabel(TextOf(texts, kMessageTexts, "IDS_SLEEP"), this), 2, 0);
    grid->addWidget(field(F::AsleepSys), 2, 1);
    grid->addWidget(field(F::AsleepDia), 2, 2);
    grid->addWidget(new QLabel(TextOf(texts, kGlobalTexts, "IDS_CR_RANGE"), this), 3, 0);
    grid->addWidget(field(F::LowFall), 3, 1);
    grid->addWidget(field(F::HighFall), 3, 2);
    grid->addWidget(new QLabel(TextOf(texts, kGlobalTexts, "IDS_BPLOADDAY"), this), 4, 0);
    grid->addWidget(field(F::DayLoad), 4, 1);
    grid->addWidget(new QLabel(TextOf(texts, kGlobalTexts, "IDS_BPLOADNIGHT"), this), 5, 0);
    grid->addWidget(field(F::NightLoad), 5, 1);

    defaults_ = new QPushButton(TextOf(texts, kCaseTexts, "IDS_DEFAULT_VALUES"), this);
    connect(defaults_, &QPushButton::clicked, this, &ThresholdPage::RestoreDefaultPressures);
    grid->addWidget(defaults_, 6, 2);
    GuidelineRows(texts, guideline, grid);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
}

QSpinBox* ThresholdPage::MakeField(ThresholdField which, int value) {
    auto* box = new ThresholdSpin(RangeOf(which), this);
    box->setValue(value);
    connect(box, &QSpinBox::valueChanged, this,
            [this, which](int typed) { FieldTyped(which, typed); });
    connect(box, &QSpinBox::editingFinished, this, [this, which] { FieldLeft(which); });
    return box;
}

void ThresholdPage::FieldTyped(ThresholdField which, int typed) {
    const int corrected = ClampWhileTyping(values(), which, typed);
    if (corrected != typed) SetShown(which, corrected);
}

void ThresholdPage::FieldLeft(ThresholdField which) {
    const int shown = field(which)->value();
    const int corrected = ClampOnLeaving(values(), which, shown);
    if (corrected != shown) SetShown(which, corrected);
}

void ThresholdPage::SetShown(ThresholdField which, int value) {
    const QSignalBlocker quiet(field(which));
    field(which)->setValue(value);
}

ThresholdSettings ThresholdPage::values() const {
    ThresholdSettings shown;
    for (const F which : kThresholdFields) FieldOf(shown, which) = field(which)->value();
    return shown;
}

void ThresholdPage::GuidelineRows(const TextSource& texts, std::string_view guideline,
                                  QGridLayout* grid) {
    guideline_ = new QComboBox(this);
    for (const clinical::GuidelineProfile& p : clinical::GuidelineProfiles()) {
        guideline_->addItem(QString::fromUtf8(p.name.data(), static_cast<int>(p.name.size())),
                            QString::fromUtf8(p.id.data(), static_cast<int>(p.id.size())));
    }
    const int chosen = guideline_->findData(
        QString::fromUtf8(guideline.data(), static_cast<int>(guideline.size())));
    guideline_->setCurrentIndex(std::max(chosen, 0));
    auto* label =
        new QLabel(TextOf(texts, clinical::kClinicalSection, "IDS_GUIDELINE_PROFILE"), this);
    label->setBuddy(guideline_);
    grid->addWidget(label, 7, 0);
    grid->addWidget(guideline_, 7, 1);
    useProfile_ =
        new QPushButton(TextOf(texts, clinical::kClinicalSection, "IDS_USE_PROFILE"), this);
    connect(useProfile_, &QPushButton::clicked, this, &ThresholdPage::UseProfileThresholds);
    grid->addWidget(useProfile_, 7, 2);
}

std::string ThresholdPage::guideline() const {
    return guideline_->currentData().toString().toStdString();
}

void ThresholdPage::UseProfileThresholds() {
    const ThresholdSettings profiled =
        WithProfileThresholds(values(), clinical::GuidelineOrDefault(guideline()));
    for (const F which : {F::AwakeSys, F::AwakeDia, F::AsleepSys, F::AsleepDia}) {
        SetShown(which, FieldOf(profiled, which));
    }
}

void ThresholdPage::RestoreDefaultPressures() {
    const ThresholdSettings restored = WithDefaultPressures(values());
    for (const F which : {F::AwakeSys, F::AwakeDia, F::AsleepSys, F::AsleepDia}) {
        SetShown(which, FieldOf(restored, which));
    }
}

}  // namespace vitalis
