#pragma once

#include <QDialog>

#include "case/TextSource.h"

class QCheckBox;
class QRadioButton;

namespace vitalis {

// How the monitor is reached: over USB (USB HID and the serial ports) or over Bluetooth, and
// whether to ask again before the next session.
class LinkWayDialog : public QDialog {
    Q_OBJECT

public:
    LinkWayDialog(const TextSource& texts, int useBluetooth, int showSelectDevice,
                  QWidget* parent = nullptr);

    int useBluetooth() const;      // 0 USB, 1 Bluetooth
    int showSelectDevice() const;  // 0 when "do not show again" is ticked

    QRadioButton* usbButton() const { return usb_; }
    QRadioButton* bluetoothButton() const { return bluetooth_; }
    QCheckBox* notAgainBox() const { return notAgain_; }

private:
    QRadioButton* usb_ = nullptr;
    QRadioButton* bluetooth_ = nullptr;
    QCheckBox* notAgain_ = nullptr;
};

}  // namespace vitalis
