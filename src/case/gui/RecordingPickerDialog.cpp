#include "case/gui/RecordingPickerDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include "case/CalendarTime.h"
#include "case/TextSource.h"

namespace vitalis {
namespace {

constexpr std::string_view kSection = kDialogTexts;

// Rows carry the run's position; the whole-file row carries none.
constexpr int kRunRole = Qt::UserRole;

}  // namespace

QString RecordingDateText(const ClockTime& t) {
    return QString::fromStdString(ShownDate(t));
}

QString RecordingTimeText(const ClockTime& t) {
    return QString::fromStdString(ShownClock(t.hour, t.minute));
}

RecordingPickerDialog::RecordingPickerDialog(const TextSource& texts,
                                             const std::vector<RecordingRun>& runs, QWidget* parent)
    : QDialog(parent), runCount_(runs.size()) {
    const auto text = [&texts](std::string_view key) {
        return QString::fromStdString(texts.Text(kSection, key));
    };
    setObjectName(QStringLiteral("recordingPicker"));
    setWindowTitle(text("IDS_PICK_RECORDING"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(text("IDS_PICK_RECORDING_INTRO"), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("recordingList"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(
        {text("IDS_RECORDING_BEGIN"), text("IDS_RECORDING_END"), text("IDS_RECORDING_COUNT")});
    // Latest first: the test a download has just filed.
    for (size_t i = runs.size(); i-- > 0;) {
        const RecordingRun& run = runs[i];
        auto* item = new QTreeWidgetItem(list_);
        item->setText(
            0, RecordingDateText(run.begin) + QLatin1Char(' ') + RecordingTimeText(run.begin));
        item->setText(1,
                      RecordingDateText(run.end) + QLatin1Char(' ') + RecordingTimeText(run.end));
        item->setText(2, QString::number(run.count));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, kRunRole, static_cast<qulonglong>(i));
    }
    auto* whole = new QTreeWidgetItem(list_);
    whole->setText(0, text("IDS_WHOLE_FILE"));
    whole->setFirstColumnSpanned(true);
    list_->setCurrentItem(list_->topLevelItem(0));
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(list_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, [this] { accept(); });
    list_->setFocus();
    resize(520, 320);
}

std::optional<size_t> RecordingPickerDialog::chosenRun() const {
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item) return std::nullopt;
    const QVariant run = item->data(0, kRunRole);
    if (!run.isValid()) return std::nullopt;
    const size_t position = static_cast<size_t>(run.toULongLong());
    if (position >= runCount_) return std::nullopt;
    return position;
}

}  // namespace vitalis
