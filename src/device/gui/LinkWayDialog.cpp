#include "device/gui/LinkWayDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include "case/TextSource.h"

namespace vitalis {
namespace {

constexpr std::string_view kDialog = kDialogTexts;

}  // namespace

LinkWayDialog::LinkWayDialog(const TextSource& texts, int useBluetooth, int showSelectDevice,
                             QWidget* parent, std::vector<SerialPortChoice> serialPorts,
                             std::optional<LinkTarget> current)
    : QDialog(parent), ports_(std::move(serialPorts)) {
    const auto text = [&](std::string_view section, std::string_view key) {
        return QString::fromStdString(texts.Text(section, key));
    };
    setWindowTitle(text(kDialog, "IDS_SETLINKWAY"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(text(kDialog, "IDS_SETLINKWAY"), this);
    auto* choices = new QVBoxLayout(group);
    usb_ = new QRadioButton(text(kDialog, "IDS_LINK_USB"), group);
    choices->addWidget(usb_);
    for (const SerialPortChoice& port : ports_) {
        const QString path = QString::fromStdString(port.devicePath);
        QString label = text(kDialog, "IDS_LINK_SERIAL");
        label = label.contains(QStringLiteral("%1")) ? label.arg(path)
                                                     : label + QLatin1Char(' ') + path;
        if (!port.description.empty())
            label += QStringLiteral(" (%1)").arg(QString::fromStdString(port.description));
        auto* button = new QRadioButton(label, group);
        button->setObjectName(QString::fromStdString("serial:" + port.devicePath));
        serial_.push_back(button);
        choices->addWidget(button);
    }
    bluetooth_ = new QRadioButton(text(kDialog, "IDS_LINK_BTH"), group);
    choices->addWidget(bluetooth_);
    auto* networkRow = new QHBoxLayout;
    network_ = new QRadioButton(text(kDialog, "IDS_LINK_TCP"), group);
    address_ = new QLineEdit(group);
    address_->setObjectName(QStringLiteral("networkAddress"));
    address_->setPlaceholderText(QStringLiteral("127.0.0.1:5555"));
    address_->setEnabled(false);
    connect(network_, &QRadioButton::toggled, address_, &QLineEdit::setEnabled);
    networkRow->addWidget(network_);
    networkRow->addWidget(address_, 1);
    choices->addLayout(networkRow);
    addressError_ = new QLabel(text(kDialog, "IDS_LINK_TCP_BAD"), group);
    addressError_->setObjectName(QStringLiteral("networkError"));
    addressError_->setWordWrap(true);
    addressError_->setStyleSheet(QStringLiteral("color: #b00020;"));
    addressError_->hide();
    choices->addWidget(addressError_);
    layout->addWidget(group);
    Select(current, useBluetooth);

    notAgain_ = new QCheckBox(text(kDialog, "IDS_NOTSHOW"), this);
    notAgain_->setChecked(showSelectDevice == 0);
    layout->addWidget(notAgain_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text(kMessageTexts, "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(text(kMessageTexts, "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &LinkWayDialog::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

// The link in use is checked again; without one, the stored USB/Bluetooth choice.
void LinkWayDialog::Select(const std::optional<LinkTarget>& current, int useBluetooth) {
    if (current && current->kind == LinkTarget::Kind::Serial) {
        for (size_t i = 0; i < ports_.size(); ++i) {
            if (ports_[i].devicePath == current->serialPort) {
                serial_[i]->setChecked(true);
                return;
            }
        }
    }
    if (current && current->kind == LinkTarget::Kind::Tcp) {
        network_->setChecked(true);
        address_->setText(QString::fromStdString(FormatLinkTarget(*current).substr(4)));
        return;
    }
    (useBluetooth == 1 ? bluetooth_ : usb_)->setChecked(true);
}

int LinkWayDialog::useBluetooth() const {
    return bluetooth_->isChecked() ? 1 : 0;
}

int LinkWayDialog::showSelectDevice() const {
    return notAgain_->isChecked() ? 0 : 1;
}

std::optional<LinkTarget> LinkWayDialog::chosenLink() const {
    if (bluetooth_->isChecked()) return std::nullopt;
    for (size_t i = 0; i < serial_.size(); ++i) {
        if (serial_[i]->isChecked()) return ParseLinkTarget("serial:" + ports_[i].devicePath);
    }
    if (network_->isChecked())
        return ParseLinkTarget("tcp:" + address_->text().trimmed().toStdString());
    return ParseLinkTarget("usb");
}

void LinkWayDialog::Confirm() {
    if (network_->isChecked() && !chosenLink()) {
        addressError_->show();
        address_->setFocus();
        return;
    }
    accept();
}

}  // namespace vitalis
