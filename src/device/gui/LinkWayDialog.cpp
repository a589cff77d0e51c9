#include "device/gui/LinkWayDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vitalis {

LinkWayDialog::LinkWayDialog(const TextSource& texts, int useBluetooth, int showSelectDevice,
                             QWidget* parent)
    : QDialog(parent) {
    const auto text = [&](std::string_view section, std::string_view key) {
        return QString::fromStdString(texts.Text(section, key));
    };
    setWindowTitle(text("Dialog Setting", "IDS_SETLINKWAY"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(text("Dialog Setting", "IDS_SETLINKWAY"), this);
    auto* choices = new QVBoxLayout(group);
    usb_ = new QRadioButton(text("Dialog Setting", "IDS_LINK_USB"), group);
    bluetooth_ = new QRadioButton(text("Dialog Setting", "IDS_LINK_BTH"), group);
    choices->addWidget(usb_);
    choices->addWidget(bluetooth_);
    (useBluetooth == 1 ? bluetooth_ : usb_)->setChecked(true);
    layout->addWidget(group);
    notAgain_ = new QCheckBox(text("Dialog Setting", "IDS_NOTSHOW"), this);
    notAgain_->setChecked(showSelectDevice == 0);
    layout->addWidget(notAgain_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text("Message Setting", "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(text("Message Setting", "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int LinkWayDialog::useBluetooth() const { return bluetooth_->isChecked() ? 1 : 0; }

int LinkWayDialog::showSelectDevice() const { return notAgain_->isChecked() ? 0 : 1; }

}  // namespace vitalis
