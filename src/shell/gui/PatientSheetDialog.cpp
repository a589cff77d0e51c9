#include "shell/gui/PatientSheetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "case/PatientSex.h"
#include "case/TextSource.h"

namespace vitalis {
namespace {

QDate ToQDate(const CalendarDate& d) {
    return QDate(d.year, d.month, d.day);
}
CalendarDate FromQDate(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

// The case file keeps line breaks as CR LF; the text fields work with LF.
QString FromStored(const std::string& value) {
    return QString::fromStdString(value).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string ToStored(const QString& text) {
    QString stored = text;
    return stored.replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

std::string Plain(const QLineEdit* edit) {
    return edit->text().toStdString();
}

QSpinBox* Number(int value, int maximum, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(0, maximum);
    box->setValue(value);
    return box;
}

}  // namespace

PatientSheetDialog::PatientSheetDialog(const TextSource& texts, const PatientSheet& sheet,
                                       CalendarDate today, QWidget* parent)
    : QDialog(parent), texts_(texts), today_(today), original_(sheet) {
    setWindowTitle(Text(kDialogTexts, "IDS_SET_PAT_CONFIGURATION"));
    pages_ = new QTabWidget(this);
    pages_->addTab(PatientPage(sheet), Text(kMessageTexts, "IDS_PATIENT_INFOR"));
    pages_->addTab(TextPage(medications_, sheet.medications),
                   Text(kMessageTexts, "IDS_MEDICINE_INFO"));
    pages_->addTab(TextPage(diagnosis_, sheet.diagnosis),
                   Text(kMessageTexts, "IDS_DIAGLOSE_INFOR"));
    pages_->addTab(PhysicianPage(sheet), Text(kMessageTexts, "IDS_DOCTOR_INFOR"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Text(kMessageTexts, "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(Text(kMessageTexts, "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
}

QString PatientSheetDialog::Text(const char* section, const char* key) const {
    return QString::fromStdString(texts_.Text(section, key));
}

QLineEdit* PatientSheetDialog::Line(const std::string& value) {
    return new QLineEdit(QString::fromStdString(value), this);
}

QWidget* PatientSheetDialog::PatientPage(const PatientSheet& sheet) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->addRow(Text(kMessageTexts, "IDS_PATIENTS_ID"), id_ = Line(sheet.patient.id));
    form->addRow(Text(kMessageTexts, "IDS_PATIENTS_NAMES"), name_ = Line(sheet.patient.name));
    form->addRow(Text(kMessageTexts, "IDS_PATIENT_ADDRESS"), address_ = Line(sheet.address));
    form->addRow(Text(kMessageTexts, "IDS_PATIENT_PHONE"), phone_ = Line(sheet.phone));
    form->addRow(Text(kMessageTexts, "IDS_PATIENT_NATION"), race_ = Line(sheet.race));
    gender_ = new QComboBox(page);
    // One entry per code of the case file, in code order, so the index is the code.
    for (PatientSex sex : {PatientSex::Unknown, PatientSex::Male, PatientSex::Female})
        gender_->addItem(QString::fromStdString(SexText(sex, texts_)));
    gender_->setCurrentIndex(SexCode(sheet.patient.sex));
    form->addRow(Text(kMessageTexts, "IDS_PATIENT_SEX"), gender_);
    form->addRow(Text(kMessageTexts, "IDS_BIRTH_DATE"), BirthdayField(sheet, page));
    form->addRow(Text(kMessageTexts, "IDS_PATIENT_HEIGHT"),
                 height_ = Number(sheet.height, 300, page));
    form->addRow(Text(kMessageTexts, "IDS_PATIENT_WEIGHT"),
                 weight_ = Number(sheet.weight, 500, page));
    age_ = Number(sheet.age, 150, page);
    age_->setReadOnly(true);  // follows the birth date
    form->addRow(Text(kGlobalTexts, "IDS_AGE"), age_);
    OfficeField(sheet, form);
    ClinicFields(sheet, form);
    return page;
}

void PatientSheetDialog::OfficeField(const PatientSheet& sheet, QFormLayout* form) {
    const std::string stored =
        sheet.office ? std::to_string(sheet.office->sys) + "/" + std::to_string(sheet.office->dia)
                     : std::string();
    office_ = Line(stored);
    office_->setPlaceholderText(QStringLiteral("142/91"));
    form->addRow(Text(kClinicalTexts, "IDS_OFFICE_BP"), office_);
    officeProblem_ = new QLabel(Text(kClinicalTexts, "IDS_OFFICE_BP_INVALID"), this);
    officeProblem_->setWordWrap(true);
    officeProblem_->setStyleSheet(QStringLiteral("color: #b01e1e"));
    officeProblem_->hide();
    form->addRow(officeProblem_);
}

void PatientSheetDialog::accept() {
    const std::string office = Plain(office_);
    if (!office.empty() && !ParseOfficePressure(office)) {
        officeProblem_->show();
        pages_->setCurrentIndex(0);
        office_->setFocus();
        office_->selectAll();
        return;
    }
    QDialog::accept();
}

void PatientSheetDialog::ClinicFields(const PatientSheet& sheet, QFormLayout* form) {
    form->addRow(Text(kGlobalTexts, "IDS_OUTPATIENTNO"), outpatientNo_ = Line(sheet.outpatientNo));
    form->addRow(Text(kGlobalTexts, "IDS_ADMISSIONNO"), admissionNo_ = Line(sheet.admissionNo));
    form->addRow(Text(kGlobalTexts, "IDS_BEDNO"), bedNo_ = Line(sheet.bedNo));
    form->addRow(Text(kGlobalTexts, "IDS_DEPARTMENTNO"), departmentNo_ = Line(sheet.departmentNo));
    form->addRow(Text(kGlobalTexts, "IDS_EMAIL"), email_ = Line(sheet.email));
}

QWidget* PatientSheetDialog::TextPage(QPlainTextEdit*& edit, const std::string& value) {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    edit = new QPlainTextEdit(FromStored(value), page);
    layout->addWidget(edit);
    return page;
}

QWidget* PatientSheetDialog::PhysicianPage(const PatientSheet& sheet) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->addRow(Text(kMessageTexts, "IDS_PRIMARY_DOCTOR"),
                 referring_ = Line(sheet.referringPhysician));
    form->addRow(Text(kMessageTexts, "IDS_ASSISITANT_DOCTOR"),
                 interpreting_ = Line(sheet.interpretingPhysician));
    interpretation_ = new QPlainTextEdit(FromStored(sheet.clinicalInterpretation), page);
    form->addRow(Text(kMessageTexts, "IDS_DOCTOR_DIAGNOSE"), interpretation_);
    return page;
}

// The date picker and, beside it, the tick box for a birth date nobody knows.
QWidget* PatientSheetDialog::BirthdayField(const PatientSheet& sheet, QWidget* page) {
    auto* field = new QWidget(page);
    auto* row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 0, 0);
    birthday_ = new QDateEdit(field);
    birthday_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    birthday_->setCalendarPopup(true);
    // Any date may be typed; the sheet's own rule holds it within the allowed years.
    birthday_->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    birthday_->setDate(ToQDate(HeldBirthday(sheet.patient.birthDate.value_or(today_), today_)));
    birthday_->setEnabled(sheet.patient.birthDate.has_value());
    connect(birthday_, &QDateEdit::dateChanged, this, &PatientSheetDialog::BirthdayChanged);
    birthdayUnknown_ = new QCheckBox(Text(kMessageTexts, "IDS_BIRTH_UNKNOWN"), field);
    birthdayUnknown_->setChecked(!sheet.patient.birthDate);
    connect(birthdayUnknown_, &QCheckBox::toggled, this, &PatientSheetDialog::BirthdayChanged);
    row->addWidget(birthday_, 1);
    row->addWidget(birthdayUnknown_);
    return field;
}

void PatientSheetDialog::BirthdayChanged() {
    const bool unknown = birthdayUnknown_->isChecked();
    birthday_->setEnabled(!unknown);
    if (unknown) {
        age_->setValue(0);
        return;
    }
    const CalendarDate held = HeldBirthday(FromQDate(birthday_->date()), today_);
    if (ToQDate(held) != birthday_->date()) {
        const QSignalBlocker quiet(birthday_);
        birthday_->setDate(ToQDate(held));
    }
    age_->setValue(AgeInYears(held, today_));
}

QPushButton* PatientSheetDialog::OfferDiary(std::function<void()> open) {
    auto* buttons = findChild<QDialogButtonBox*>();
    QPushButton* diary =
        buttons->addButton(Text(kDiaryTexts, "IDS_DIARY_MENU"), QDialogButtonBox::ActionRole);
    diary->setAutoDefault(false);
    connect(diary, &QPushButton::clicked, this, std::move(open));
    return diary;
}

void PatientSheetDialog::ShowHistory(const QStringList& lines) {
    if (history_ == nullptr) {
        history_ = new QPlainTextEdit(this);
        history_->setObjectName(QStringLiteral("historyView"));
        history_->setReadOnly(true);
        history_->setLineWrapMode(QPlainTextEdit::NoWrap);
        pages_->addTab(history_, Text(kMessageTexts, "IDS_CASE_HISTORY"));
    }
    history_->setPlainText(lines.join(QLatin1Char('\n')));
}

PatientSheet PatientSheetDialog::sheet() const {
    PatientSheet s = original_;
    s.patient.id = Plain(id_);
    s.patient.name = Plain(name_);
    s.address = Plain(address_);
    s.phone = Plain(phone_);
    s.race = Plain(race_);
    s.patient.sex = SexFromCode(gender_->currentIndex());
    s.patient.birthDate =
        birthdayUnknown_->isChecked() ? std::nullopt : std::optional(FromQDate(birthday_->date()));
    s.height = height_->value();
    s.weight = weight_->value();
    s.age = age_->value();
    s.office = ParseOfficePressure(Plain(office_));
    s.outpatientNo = Plain(outpatientNo_);
    s.admissionNo = Plain(admissionNo_);
    s.bedNo = Plain(bedNo_);
    s.departmentNo = Plain(departmentNo_);
    s.email = Plain(email_);
    s.medications = ToStored(medications_->toPlainText());
    s.diagnosis = ToStored(diagnosis_->toPlainText());
    s.referringPhysician = Plain(referring_);
    s.interpretingPhysician = Plain(interpreting_);
    s.clinicalInterpretation = ToStored(interpretation_->toPlainText());
    return s;
}

}  // namespace vitalis
