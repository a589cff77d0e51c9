#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "case/TextSource.h"
#include "device/link/LinkTarget.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vitalis {

// A serial port as the link dialog offers it: its device and what the system calls it.
struct SerialPortChoice {
    std::string devicePath;   // /dev/ttyUSB0
    std::string description;  // "FT232R USB UART", may be empty
};

// How the monitor is reached: over USB (USB HID, then every serial port), one serial port of
// this computer, Bluetooth (the monitors in range are looked for next), or a network address
// (the monitor simulator); and whether to ask again before the next session.
class LinkWayDialog : public QDialog {
    Q_OBJECT

  public:
    LinkWayDialog(const TextSource& texts, int useBluetooth, int showSelectDevice,
                  QWidget* parent = nullptr, std::vector<SerialPortChoice> serialPorts = {},
                  std::optional<LinkTarget> current = std::nullopt);

    int useBluetooth() const;      // 0 USB, serial or network; 1 Bluetooth
    int showSelectDevice() const;  // 0 when "do not show again" is ticked
    // The link chosen, or nothing for Bluetooth, whose monitor the scan finds.
    std::optional<LinkTarget> chosenLink() const;

    QRadioButton* usbButton() const { return usb_; }
    QRadioButton* bluetoothButton() const { return bluetooth_; }
    const std::vector<QRadioButton*>& serialButtons() const { return serial_; }
    QRadioButton* networkButton() const { return network_; }
    QLineEdit* networkAddress() const { return address_; }
    QCheckBox* notAgainBox() const { return notAgain_; }
    QLabel* networkError() const { return addressError_; }

  public slots:
    // OK: a network address must be host:port before the dialog closes.
    void Confirm();

  private:
    void Select(const std::optional<LinkTarget>& current, int useBluetooth);

    std::vector<SerialPortChoice> ports_;
    QRadioButton* usb_ = nullptr;
    std::vector<QRadioButton*> serial_;
    QRadioButton* bluetooth_ = nullptr;
    QRadioButton* network_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLabel* addressError_ = nullptr;  // shown when the address is not host:port
    QCheckBox* notAgain_ = nullptr;
};

}  // namespace vitalis
