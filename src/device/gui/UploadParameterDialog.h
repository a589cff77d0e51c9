#pragma once

#include <QDialog>

#include "case/TextSource.h"
#include "device/session/UploadChoices.h"
#include "ui/UserMessages.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace vitalis {

// What the next recording is programmed with: patient, awake and asleep periods with their
// intervals, a special period and the start key. It opens at the given list positions; OK
// asks for a missing patient name or id, then warns that programming erases the monitor's
// readings, and closes only when the user goes on.
class UploadParameterDialog : public QDialog {
    Q_OBJECT

  public:
    UploadParameterDialog(const TextSource& texts, const UploadChoices& initial,
                          UserMessages messages, QWidget* parent = nullptr);

    // The positions the lists show now.
    UploadChoices choices() const;

    struct Fields {
        QLineEdit* name = nullptr;
        QLineEdit* id = nullptr;
        QLineEdit* clock = nullptr;  // read-only, follows the computer's clock
        QComboBox* awakeTime = nullptr;
        QComboBox* awakeSpan = nullptr;
        QComboBox* asleepTime = nullptr;
        QComboBox* asleepSpan = nullptr;
        QComboBox* specialBegin = nullptr;
        QComboBox* specialEnd = nullptr;
        QComboBox* specialSpan = nullptr;
        QComboBox* startKey = nullptr;
        QLabel* plan = nullptr;     // readings a day and the periods' lengths, kept current
        QLabel* warning = nullptr;  // a period that takes no readings, a special period backwards
    };
    const Fields& fields() const { return fields_; }

  public slots:
    // OK: the checks, then the warning; accepts only on "go on".
    void Confirm();

  private:
    QString Text(std::string_view section, std::string_view key) const;
    QLayout* PatientRows();
    QWidget* ScheduleGroup();
    QComboBox* TimeList(bool withNone, int position);
    QComboBox* IntervalList(int position);
    void ShowClock();
    void ShowPlan();
    void SetTabOrder();

    const TextSource& texts_;
    UserMessages messages_;
    Fields fields_;
};

}  // namespace vitalis
