#pragma once

#include <QDialog>

#include "analysis/StatisticsTable.h"

namespace vitalis {

// Counts, mean pressures and loads of the awake and asleep periods and the whole recording.
class StatisticsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit StatisticsDialog(const StatisticsTable& table, QWidget* parent = nullptr);
};

}  // namespace vitalis
