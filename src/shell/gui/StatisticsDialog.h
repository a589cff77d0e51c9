#pragma once

#include <QDialog>

#include "analysis/StatisticsTable.h"

class QLabel;
class QPushButton;

namespace vitalis {

// Counts, mean pressures and loads of the awake and asleep periods and the whole recording.
class StatisticsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit StatisticsDialog(const StatisticsTable& table, QWidget* parent = nullptr);

    // Copy (the button or Ctrl+C) puts the table on the clipboard and says so in this line.
    QPushButton* copyButton() const { return copyButton_; }
    QLabel* copiedLine() const { return copied_; }

  private:
    QPushButton* copyButton_ = nullptr;
    QLabel* copied_ = nullptr;
};

}  // namespace vitalis
