#include "device/gui/BluetoothScanDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include "case/TextSource.h"

namespace vitalis {

BluetoothScanDialog::BluetoothScanDialog(const TextSource& texts, BluetoothDiscoverer& discoverer,
                                         UserMessages messages, QWidget* parent)
    : QDialog(parent), texts_(texts), discoverer_(discoverer), messages_(std::move(messages)) {
    setWindowTitle(Text(kDialogTexts, "IDS_USE_BLUETOOTH"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHeaderLabels({Text(kDialogTexts, "IDS_ID"), Text(kDialogTexts, "IDS_NAME"),
                            Text(kDialogTexts, "IDS_ADDRESS")});
    // The name is what the user reads: it gets the room the number and address leave.
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    layout->addWidget(list_);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    layout->addWidget(progress_);
    auto* buttons = new QHBoxLayout;
    scan_ = new QPushButton(Text(kDialogTexts, "IDS_SCAN"), this);
    connect_ = new QPushButton(Text(kDialogTexts, "IDS_CONNECT"), this);
    cancel_ = new QPushButton(Text(kMessageTexts, "IDS_CANCEL"), this);
    connect_->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(scan_);
    buttons->addWidget(connect_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(scan_, &QPushButton::clicked, this, &BluetoothScanDialog::Scan);
    connect(connect_, &QPushButton::clicked, this, &BluetoothScanDialog::ConnectSelected);
    connect(cancel_, &QPushButton::clicked, this, &BluetoothScanDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &BluetoothScanDialog::ConnectSelected);
    resize(460, 320);
}

BluetoothScanDialog::~BluetoothScanDialog() {
    discoverer_.Stop();
}

QString BluetoothScanDialog::Text(std::string_view section, std::string_view key) const {
    return QString::fromStdString(texts_.Text(section, key));
}

void BluetoothScanDialog::Scan() {
    scan_->setEnabled(false);
    list_->clear();
    devices_.Clear();
    progress_->setValue(0);
    BluetoothDiscoverer::Listener listener;
    listener.found = [this](const QString& name, uint64_t address) { Found(name, address); };
    listener.progress = [this](int percent) { progress_->setValue(std::clamp(percent, 0, 100)); };
    listener.finished = [this](bool succeeded) { ScanFinished(succeeded); };
    discoverer_.Start(std::move(listener));
}

void BluetoothScanDialog::Found(const QString& name, uint64_t address) {
    const BthDeviceEntry* entry = devices_.Add(name.toStdString(), address);
    if (!entry) return;
    QStringList cells;
    for (const std::string& cell : BthDeviceList::Row(*entry))
        cells << QString::fromStdString(cell);
    list_->addTopLevelItem(new QTreeWidgetItem(cells));
    if (list_->topLevelItemCount() == 1) list_->setCurrentItem(list_->topLevelItem(0));
}

void BluetoothScanDialog::ScanFinished(bool succeeded) {
    scan_->setEnabled(true);
    progress_->setValue(100);
    // No adapter, a failed scan and an empty neighbourhood look the same to the user.
    if (!succeeded || devices_.Entries().empty())
        messages_.inform(this, Text(kMessageTexts, "IDS_NOTFOUNDDEVICE"));
}

void BluetoothScanDialog::ConnectSelected() {
    const int index = list_->indexOfTopLevelItem(list_->currentItem());
    const BthDeviceEntry* entry = devices_.Find(index);
    if (!entry) return;
    switch (devices_.StepFor(index, discoverer_.IsPaired(entry->address))) {
        case BthConnectStep::Refuse:
            return;
        case BthConnectStep::KeepConnection:
        case BthConnectStep::Connect:
            Connected(index);
            return;
        case BthConnectStep::Pair:
            break;
    }
    discoverer_.Stop();  // pairing while inquiring is slow and often refused
    SetBusy(true);
    QPointer<BluetoothScanDialog> self(this);
    discoverer_.Pair(entry->address, [self, index](bool succeeded) {
        if (self) self->PairingFinished(index, succeeded);
    });
}

void BluetoothScanDialog::PairingFinished(int index, bool succeeded) {
    SetBusy(false);
    if (succeeded) {
        Connected(index);
        return;
    }
    messages_.inform(this, Text(kNoticeTexts, "IDS_BTH_CLOSED"));
    Scan();
}

void BluetoothScanDialog::Connected(int index) {
    devices_.SetConnected(index);
    accept();
}

void BluetoothScanDialog::SetBusy(bool busy) {
    scan_->setEnabled(!busy);
    connect_->setEnabled(!busy);
    list_->setEnabled(!busy);
}

std::optional<uint64_t> BluetoothScanDialog::ChosenAddress() const {
    if (result() != QDialog::Accepted) return std::nullopt;
    const BthDeviceEntry* entry = devices_.Find(devices_.Connected());
    if (!entry) return std::nullopt;
    return entry->address;
}

void BluetoothScanDialog::reject() {
    discoverer_.Stop();
    QDialog::reject();
}

}  // namespace vitalis
