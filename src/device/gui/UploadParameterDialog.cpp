#include "device/gui/UploadParameterDialog.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "case/TextSource.h"
#include "device/session/ProgrammingPlan.h"

namespace vitalis {
namespace {

// What the monitor's blocks can hold of the patient's name and id.
constexpr int kNameLength = 30;
constexpr int kIdLength = 11;

}  // namespace

UploadParameterDialog::UploadParameterDialog(const TextSource& texts, const UploadChoices& initial,
                                             UserMessages messages, QWidget* parent)
    : QDialog(parent), texts_(texts), messages_(std::move(messages)) {
    const UploadChoices c = WithinLists(initial);
    setWindowTitle(Text(kMessageTexts, "IDS_UPLOAD_PARAMETER"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(PatientRows());
    fields_.name->setText(QString::fromStdString(c.patientName));
    fields_.id->setText(QString::fromStdString(c.patientId));
    fields_.awakeTime = TimeList(false, c.awakeTime);
    fields_.awakeSpan = IntervalList(c.awakeSpan);
    fields_.asleepTime = TimeList(false, c.asleepTime);
    fields_.asleepSpan = IntervalList(c.asleepSpan);
    fields_.specialBegin = TimeList(true, c.specialBegin);
    fields_.specialEnd = TimeList(true, c.specialEnd);
    fields_.specialSpan = IntervalList(c.specialSpan);
    fields_.startKey = new QComboBox(this);
    fields_.startKey->addItem(Text(kDialogTexts, "IDS_SWITCH_ON"));
    fields_.startKey->addItem(Text(kDialogTexts, "IDS_TURN_OFF"));
    fields_.startKey->setCurrentIndex(c.startKey);
    layout->addWidget(ScheduleGroup());
    fields_.plan = new QLabel(this);
    fields_.plan->setObjectName(QStringLiteral("planText"));
    fields_.plan->setWordWrap(true);
    layout->addWidget(fields_.plan);
    fields_.warning = new QLabel(this);
    fields_.warning->setObjectName(QStringLiteral("planWarning"));
    fields_.warning->setWordWrap(true);
    fields_.warning->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    layout->addWidget(fields_.warning);
    for (QComboBox* list :
         {fields_.awakeTime, fields_.awakeSpan, fields_.asleepTime, fields_.asleepSpan,
          fields_.specialBegin, fields_.specialEnd, fields_.specialSpan}) {
        connect(list, &QComboBox::currentIndexChanged, this, &UploadParameterDialog::ShowPlan);
    }
    ShowPlan();

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Text(kMessageTexts, "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(Text(kMessageTexts, "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &UploadParameterDialog::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    SetTabOrder();

    // The clock shown is the one the monitor will be set to, so it keeps time while open.
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &UploadParameterDialog::ShowClock);
    clock->start(1000);
    ShowClock();
}

QString UploadParameterDialog::Text(std::string_view section, std::string_view key) const {
    return QString::fromStdString(texts_.Text(section, key));
}

QLayout* UploadParameterDialog::PatientRows() {
    auto* rows = new QFormLayout;
    fields_.name = new QLineEdit(this);
    fields_.name->setMaxLength(kNameLength);
    fields_.id = new QLineEdit(this);
    fields_.id->setMaxLength(kIdLength);
    fields_.clock = new QLineEdit(this);
    fields_.clock->setReadOnly(true);
    fields_.clock->setFocusPolicy(Qt::NoFocus);  // nothing to type there
    rows->addRow(Text(kMessageTexts, "IDS_PATIENTS_NAMES"), fields_.name);
    rows->addRow(Text(kMessageTexts, "IDS_PATIENTS_ID"), fields_.id);
    rows->addRow(Text(kMessageTexts, "IDS_CURRENT_TIME"), fields_.clock);
    return rows;
}

QWidget* UploadParameterDialog::ScheduleGroup() {
    auto* group = new QGroupBox(Text(kMessageTexts, "IDS_TIMES"), this);
    auto* grid = new QGridLayout(group);
    const auto label = [&](std::string_view key) {
        return new QLabel(Text(kMessageTexts, key), group);
    };
    grid->addWidget(label("IDS_TIME"), 0, 1);
    grid->addWidget(label("IDS_INTERVALS"), 0, 2);
    grid->addWidget(label("IDS_AWAKE"), 1, 0);
    grid->addWidget(fields_.awakeTime, 1, 1);
    grid->addWidget(fields_.awakeSpan, 1, 2);
    grid->addWidget(label("IDS_SLEEP"), 2, 0);
    grid->addWidget(fields_.asleepTime, 2, 1);
    grid->addWidget(fields_.asleepSpan, 2, 2);
    grid->addWidget(label("IDS_SPECIAL_BEGIN"), 3, 0);
    grid->addWidget(fields_.specialBegin, 3, 1);
    grid->addWidget(fields_.specialSpan, 3, 2);
    grid->addWidget(label("IDS_SPECIAL_FINISH"), 4, 0);
    grid->addWidget(fields_.specialEnd, 4, 1);
    grid->addWidget(label("IDS_BEGIN_KEY"), 5, 0);
    grid->addWidget(fields_.startKey, 5, 1);
    return group;
}

QComboBox* UploadParameterDialog::TimeList(bool withNone, int position) {
    auto* list = new QComboBox(this);
    // The special period's lists start with "no special period".
    if (withNone) list->addItem(Text(kDialogTexts, "IDS_NONE"));
    for (int p = 0; p < kTimePositions; ++p) list->addItem(QString::fromStdString(TimeText(p)));
    list->setCurrentIndex(position);
    return list;
}

QComboBox* UploadParameterDialog::IntervalList(int position) {
    auto* list = new QComboBox(this);
    const std::string none = texts_.Text(kDialogTexts, "IDS_NONE");
    const std::string mins = texts_.Text(kDialogTexts, "IDS_MINS");
    for (int p = 0; p < kIntervalPositions; ++p) {
        list->addItem(QString::fromStdString(IntervalText(p, none, mins)));
    }
    list->setCurrentIndex(position);
    return list;
}

void UploadParameterDialog::ShowClock() {
    fields_.clock->setText(
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

// The order the fields are laid out in: patient, then the schedule row by row.
void UploadParameterDialog::SetTabOrder() {
    const QWidget* order[] = {fields_.name,         fields_.id,          fields_.awakeTime,
                              fields_.awakeSpan,    fields_.asleepTime,  fields_.asleepSpan,
                              fields_.specialBegin, fields_.specialSpan, fields_.specialEnd,
                              fields_.startKey};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
    fields_.name->setFocus();
}

void UploadParameterDialog::ShowPlan() {
    const ProgrammingPlan plan = PlanOf(choices());
    const auto span = [](int minutes) {
        return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
    };
    QString text = Text(kMessageTexts, "IDS_PLAN_READINGS")
                       .arg(plan.ReadingsPerDay())
                       .arg(plan.awakeReadings)
                       .arg(span(plan.awakeMinutes))
                       .arg(plan.asleepReadings)
                       .arg(span(plan.asleepMinutes));
    if (plan.specialMinutes > 0) {
        text += QLatin1Char(' ') + Text(kMessageTexts, "IDS_PLAN_SPECIAL")
                                       .arg(plan.specialReadings)
                                       .arg(span(plan.specialMinutes));
    }
    fields_.plan->setText(text);
    QStringList warnings;
    if (plan.awakeWithoutReadings) warnings << Text(kMessageTexts, "IDS_PLAN_NO_AWAKE");
    if (plan.asleepWithoutReadings) warnings << Text(kMessageTexts, "IDS_PLAN_NO_ASLEEP");
    if (plan.specialEndsBeforeItBegins) warnings << Text(kMessageTexts, "IDS_PLAN_SPECIAL_ORDER");
    fields_.warning->setText(warnings.join(QLatin1Char('\n')));
    fields_.warning->setVisible(!warnings.isEmpty());
}

UploadChoices UploadParameterDialog::choices() const {
    UploadChoices c;
    c.patientName = fields_.name->text().toStdString();
    c.patientId = fields_.id->text().toStdString();
    c.awakeTime = fields_.awakeTime->currentIndex();
    c.awakeSpan = fields_.awakeSpan->currentIndex();
    c.asleepTime = fields_.asleepTime->currentIndex();
    c.asleepSpan = fields_.asleepSpan->currentIndex();
    c.specialBegin = fields_.specialBegin->currentIndex();
    c.specialEnd = fields_.specialEnd->currentIndex();
    c.specialSpan = fields_.specialSpan->currentIndex();
    c.startKey = fields_.startKey->currentIndex();
    return c;
}

void UploadParameterDialog::Confirm() {
    if (const std::string_view missing = MissingPatientField(choices()); !missing.empty()) {
        messages_.inform(this, Text(kGlobalTexts, missing));
        return;
    }
    const ProgrammingPlan plan = PlanOf(choices());
    if (plan.specialEndsBeforeItBegins) {
        messages_.inform(this, Text(kMessageTexts, "IDS_PLAN_SPECIAL_ORDER"));
        fields_.specialEnd->setFocus();
        return;
    }
    // A period without readings is allowed (a daytime-only recording), but never by accident.
    if (plan.awakeWithoutReadings || plan.asleepWithoutReadings) {
        if (!messages_.confirm(this, fields_.warning->text() + QLatin1Char('\n') +
                                         Text(kMessageTexts, "IDS_PLAN_GO_ON")))
            return;
    }
    if (!messages_.confirm(this, Text(kNoticeTexts, "IDS_REPLACE_CONTINUE"))) return;
    accept();
}

}  // namespace vitalis
