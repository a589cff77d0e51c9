#pragma once

#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <functional>

#include "case/PatientSheet.h"
#include "case/TextSource.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace vitalis {

// Patient, medication, diagnosis and physician information of the open case on four pages.
// The dialog only edits a PatientSheet; the caller writes it into the case file on OK.
class PatientSheetDialog : public QDialog {
    Q_OBJECT

  public:
    // today bounds the birth date and gives the age.
    PatientSheetDialog(const TextSource& texts, const PatientSheet& sheet, CalendarDate today,
                       QWidget* parent = nullptr);

    // The sheet with what the pages show now.
    PatientSheet sheet() const;
    // Adds a read-only page with the case's saved history lines, oldest first.
    void ShowHistory(const QStringList& lines);
    QPlainTextEdit* historyView() const { return history_; }
    // Adds a button beside OK that opens the case's diary.
    QPushButton* OfferDiary(std::function<void()> open);

    QTabWidget* pages() const { return pages_; }
    QLineEdit* nameEdit() const { return name_; }
    QDateEdit* birthdayEdit() const { return birthday_; }
    // Ticked: nobody knows the birth date; the date field is then off and the age 0.
    QCheckBox* birthdayUnknownBox() const { return birthdayUnknown_; }
    QSpinBox* ageEdit() const { return age_; }
    QComboBox* sexBox() const { return gender_; }
    QPlainTextEdit* medicationsEdit() const { return medications_; }
    QPlainTextEdit* diagnosisEdit() const { return diagnosis_; }
    QLineEdit* referringEdit() const { return referring_; }
    QLineEdit* officeEdit() const { return office_; }
    QLabel* officeProblem() const { return officeProblem_; }

    // Closes only when the office pressure is empty or two whole numbers SYS/DIA.
    void accept() override;

  private:
    QWidget* PatientPage(const PatientSheet& sheet);
    void ClinicFields(const PatientSheet& sheet, QFormLayout* form);
    void OfficeField(const PatientSheet& sheet, QFormLayout* form);
    QWidget* TextPage(QPlainTextEdit*& edit, const std::string& value);
    QWidget* PhysicianPage(const PatientSheet& sheet);
    QLineEdit* Line(const std::string& value);
    QString Text(const char* section, const char* key) const;
    QWidget* BirthdayField(const PatientSheet& sheet, QWidget* page);
    void BirthdayChanged();

    const TextSource& texts_;
    CalendarDate today_;
    PatientSheet original_;
    QTabWidget* pages_ = nullptr;
    QLineEdit* id_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* phone_ = nullptr;
    QLineEdit* race_ = nullptr;
    QComboBox* gender_ = nullptr;
    QDateEdit* birthday_ = nullptr;
    QCheckBox* birthdayUnknown_ = nullptr;
    QSpinBox* height_ = nullptr;
    QSpinBox* weight_ = nullptr;
    QSpinBox* age_ = nullptr;
    QLineEdit* office_ = nullptr;
    QLabel* officeProblem_ = nullptr;
    QLineEdit* outpatientNo_ = nullptr;
    QLineEdit* admissionNo_ = nullptr;
    QLineEdit* bedNo_ = nullptr;
    QLineEdit* departmentNo_ = nullptr;
    QLineEdit* email_ = nullptr;
    QPlainTextEdit* medications_ = nullptr;
    QPlainTextEdit* diagnosis_ = nullptr;
    QLineEdit* referring_ = nullptr;
    QLineEdit* interpreting_ = nullptr;
    QPlainTextEdit* interpretation_ = nullptr;
    QPlainTextEdit* history_ = nullptr;
};

}  // namespace vitalis
