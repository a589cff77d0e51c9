#pragma once

#include <QDialog>

#include "case/TextSource.h"

class QComboBox;

namespace vitalis {

// The awake and asleep starts of the open case, each chosen from the 48 half-hour steps of
// the day. A start between two steps shows as the earlier one.
class SleepPeriodDialog : public QDialog {
    Q_OBJECT

  public:
    SleepPeriodDialog(const TextSource& texts, int awakeStart, int asleepStart,
                      QWidget* parent = nullptr);

    QComboBox* awakeList() const { return awake_; }
    QComboBox* asleepList() const { return asleep_; }
    int awakeEntry() const;
    int asleepEntry() const;

  private:
    QComboBox* awake_ = nullptr;
    QComboBox* asleep_ = nullptr;
};

}  // namespace vitalis
