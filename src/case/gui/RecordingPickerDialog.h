#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "case/RecordingRuns.h"
#include "case/TextSource.h"

class QTreeWidget;

namespace vitalis {

// Lets the clinician pick one test out of a case file that holds several (a monthly file of
// the Heron monitor), or the whole file. The latest test is offered first, since that is the
// one a download has just brought.
class RecordingPickerDialog : public QDialog {
    Q_OBJECT

  public:
    RecordingPickerDialog(const TextSource& texts, const std::vector<RecordingRun>& runs,
                          QWidget* parent = nullptr);

    // The chosen test's position in the runs, or nothing for the whole file.
    std::optional<size_t> chosenRun() const;
    QTreeWidget* list() const { return list_; }

  private:
    QTreeWidget* list_ = nullptr;
    size_t runCount_ = 0;
};

// The text of a clock time's date and time as the lists show them: "09-03-2026 22:15".
QString RecordingDateText(const ClockTime& time);
QString RecordingTimeText(const ClockTime& time);

}  // namespace vitalis
