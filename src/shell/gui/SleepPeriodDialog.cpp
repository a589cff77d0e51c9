#include "shell/gui/SleepPeriodDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "case/SleepPeriod.h"
#include "case/TextSource.h"

namespace vitalis {
namespace {

QComboBox* HalfHourList(int startMinute, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (int i = 0; i < kHalfHourEntries; ++i) {
        list->addItem(QString::fromStdString(HalfHourLabel(i)));
    }
    list->setCurrentIndex(HalfHourEntry(startMinute));
    return list;
}

}  // namespace

SleepPeriodDialog::SleepPeriodDialog(const TextSource& texts, int awakeStart, int asleepStart,
                                     QWidget* parent)
    : QDialog(parent) {
    const auto text = [&](const char* key) {
        return QString::fromStdString(texts.Text(kMessageTexts, key));
    };
    setWindowTitle(text("IDS_SLEEP_PERIOD"));
    awake_ = HalfHourList(awakeStart, this);
    asleep_ = HalfHourList(asleepStart, this);
    auto* lists = new QHBoxLayout;
    for (auto [key, list] : {std::pair{"IDS_AWAKE", awake_}, std::pair{"IDS_SLEEP", asleep_}}) {
        auto* column = new QFormLayout;
        column->addRow(text(key), list);
        lists->addLayout(column);
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text("IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(text("IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(buttons);
}

int SleepPeriodDialog::awakeEntry() const {
    return awake_->currentIndex();
}
int SleepPeriodDialog::asleepEntry() const {
    return asleep_->currentIndex();
}

}  // namespace vitalis
