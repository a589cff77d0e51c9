#pragma once

#include <QDialog>
#include <optional>

#include "case/TextSource.h"
#include "device/gui/BluetoothDiscoverer.h"
#include "device/link/BthDeviceList.h"
#include "ui/UserMessages.h"

class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace vitalis {

// Lists the Bluetooth devices in range and, on Connect, pairs with the chosen monitor when it
// is not paired yet; the dialog then ends with OK and gives the monitor's address. A failed
// pairing says so and scans again.
class BluetoothScanDialog : public QDialog {
    Q_OBJECT

  public:
    BluetoothScanDialog(const TextSource& texts, BluetoothDiscoverer& discoverer,
                        UserMessages messages, QWidget* parent = nullptr);
    ~BluetoothScanDialog() override;

    void Scan();
    void ConnectSelected();

    // The address of the connected monitor once the dialog ended with OK.
    std::optional<uint64_t> ChosenAddress() const;
    const BthDeviceList& Devices() const { return devices_; }

    QTreeWidget* deviceList() const { return list_; }
    QProgressBar* progressBar() const { return progress_; }
    QPushButton* scanButton() const { return scan_; }
    QPushButton* connectButton() const { return connect_; }
    QPushButton* cancelButton() const { return cancel_; }

    void reject() override;

  private:
    QString Text(std::string_view section, std::string_view key) const;
    void Found(const QString& name, uint64_t address);
    void ScanFinished(bool succeeded);
    void PairingFinished(int index, bool succeeded);
    void Connected(int index);
    void SetBusy(bool busy);

    const TextSource& texts_;
    BluetoothDiscoverer& discoverer_;
    UserMessages messages_;
    BthDeviceList devices_;
    QTreeWidget* list_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* scan_ = nullptr;
    QPushButton* connect_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vitalis
