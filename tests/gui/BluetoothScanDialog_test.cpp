#include <gtest/gtest.h>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <map>
#include <vector>

#include "device/gui/BluetoothScanDialog.h"
#include "support/CaseFixtures.h"

namespace vitalis {
namespace {

// Stands in for the Bluetooth adapter: the test says what the scan finds and how pairing ends.
class FakeDiscoverer final : public BluetoothDiscoverer {
  public:
    void Start(Listener listener) override {
        ++starts;
        listener_ = std::move(listener);
    }
    void Stop() override { listener_ = {}; }
    bool IsPaired(uint64_t address) const override { return paired.count(address) != 0; }
    void Pair(uint64_t address, std::function<void(bool)> done) override {
        pairRequests.push_back(address);
        pairingDone_ = std::move(done);
    }

    bool Scanning() const { return static_cast<bool>(listener_.finished); }
    void Find(const QString& name, uint64_t address) { listener_.found(name, address); }
    void Progress(int percent) { listener_.progress(percent); }
    void EndScan(bool succeeded) { std::exchange(listener_, {}).finished(succeeded); }
    void EndPairing(bool succeeded) { std::exchange(pairingDone_, {})(succeeded); }

    int starts = 0;
    std::map<uint64_t, bool> paired;
    std::vector<uint64_t> pairRequests;

  private:
    Listener listener_;
    std::function<void(bool)> pairingDone_;
};

class BluetoothScanDialogTest : public ::testing::Test {
  protected:
    UserMessages Recorded() {
        UserMessages recorded;
        recorded.inform = [this](QWidget*, const QString& text) { told.push_back(text); };
        recorded.confirm = [](QWidget*, const QString&) { return false; };
        return recorded;
    }

    test::KeyTexts texts;
    FakeDiscoverer radio;
    std::vector<QString> told;
};

TEST_F(BluetoothScanDialogTest, ShowsTheTextsAndAFullProgressRange) {
    BluetoothScanDialog dialog(texts, radio, Recorded());
    EXPECT_EQ(dialog.windowTitle(), "Dialog Setting:IDS_USE_BLUETOOTH");
    EXPECT_EQ(dialog.scanButton()->text(), "Dialog Setting:IDS_SCAN");
    EXPECT_EQ(dialog.connectButton()->text(), "Dialog Setting:IDS_CONNECT");
    EXPECT_EQ(dialog.cancelButton()->text(), "Message Setting:IDS_CANCEL");
    QTreeWidgetItem* header = dialog.deviceList()->headerItem();
    EXPECT_EQ(header->text(0), "Dialog Setting:IDS_ID");
    EXPECT_EQ(header->text(1), "Dialog Setting:IDS_NAME");
    EXPECT_EQ(header->text(2), "Dialog Setting:IDS_ADDRESS");
    EXPECT_EQ(dialog.progressBar()->minimum(), 0);
    EXPECT_EQ(dialog.progressBar()->maximum(), 100);
    EXPECT_EQ(radio.starts, 0);
}

TEST_F(BluetoothScanDialogTest, ListsNamedDevicesInTheOrderFound) {
    BluetoothScanDialog dialog(texts, radio, Recorded());
    dialog.scanButton()->click();
    ASSERT_TRUE(radio.Scanning());
    EXPECT_FALSE(dialog.scanButton()->isEnabled());
    radio.Find("Heron 7", 0x0011'2233'4455);
    radio.Find("", 0x0066'7788'99AA);
    radio.Progress(40);
    EXPECT_EQ(dialog.progressBar()->value(), 40);
    radio.Find("Phone", 0xA0B0'C0D0'E0F0);
    radio.EndScan(true);

    QTreeWidget* list = dialog.deviceList();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "0");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "Heron 7");
    EXPECT_EQ(list->topLevelItem(0)->text(2), "00:11:22:33:44:55");
    EXPECT_EQ(list->topLevelItem(1)->text(0), "1");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "A0:B0:C0:D0:E0:F0");
    EXPECT_TRUE(dialog.scanButton()->isEnabled());
    EXPECT_EQ(dialog.progressBar()->value(), 100);
    EXPECT_TRUE(told.empty());
}

TEST_F(BluetoothScanDialogTest, ANewScanEmptiesTheList) {
    BluetoothScanDialog dialog(texts, radio, Recorded());
    dialog.Scan();
    radio.Find("Heron 7", 1);
    radio.EndScan(true);
    dialog.Scan();
    EXPECT_EQ(dialog.deviceList()->topLevelItemCount(), 0);
    EXPECT_EQ(dialog.progressBar()->value(), 0);
    radio.Find("Heron 8", 2);
    radio.EndScan(true);
    ASSERT_EQ(dialog.deviceList()->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.deviceList()->topLevelItem(0)->text(0), "0");
}

TEST_F(BluetoothScanDialogTest, NothingFoundOrNoAdapterIsSaid) {
    BluetoothScanDialog dialog(texts, radio, Recorded());
    dialog.Scan();
    radio.Find("", 5);  // a device without a name does not count
    radio.EndScan(true);
    dialog.Scan();
    radio.EndScan(false);
    EXPECT_EQ(told, (std::vector<QString>{"Message Setting:IDS_NOTFOUNDDEVICE",
                                          "Message Setting:IDS_NOTFOUNDDEVICE"}));
    EXPECT_TRUE(dialog.scanButton()->isEnabled());
}

TEST_F(BluetoothScanDialogTest, ConnectingToAPairedMonitorEndsWithItsAddress) {
    radio.paired[0xA0B0'C0D0'E0F0] = true;
    BluetoothScanDialog dialog(texts, radio, Recorded());
    dialog.Scan();
    radio.Find("Heron 7", 0x0011'2233'4455);
    radio.Find("Heron 8", 0xA0B0'C0D0'E0F0);
    radio.EndScan(true);
    dialog.deviceList()->setCurrentItem(dialog.deviceList()->topLevelItem(1));
    dialog.connectButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenAddress(), 0xA0B0'C0D0'E0F0ull);
    EXPECT_EQ(dialog.Devices().Connected(), 1);
    EXPECT_TRUE(radio.pairRequests.empty());
}

TEST_F(BluetoothScanDialogTest, AnUnpairedMonitorIsPairedBeforeTheDialogEnds) {
    BluetoothScanDialog dialog(texts, radio, Recorded());
    dialog.Scan();
    radio.Find("Heron 7", 0x0011'2233'4455);
    radio.EndScan(true);
    dialog.connectButton()->click();  // the first device found is selected
    ASSERT_EQ(radio.pairRequests, std::vector<uint64_t>{0x0011'2233'4455});
    EXPECT_FALSE(dialog.connectButton()->isEnabled());
    EXPECT_FALSE(dialog.scanButton()->isEnabled());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    radio.EndPairing(true);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenAddress(), 0x0011'2233'4455ull);
    EXPECT_TRUE(told.empty());
}

TEST_F(BluetoothScanDialogTest, TheConnectedMonitorIsNotPairedAgain) {
    BluetoothScanDialog dialog(texts, radio, Recorded());
    dialog.Scan();
    radio.Find("Heron 7", 0x0011'2233'4455);
    radio.EndScan(true);
    dialog.ConnectSelected();
    radio.EndPairing(true);
    dialog.setResult(QDialog::Rejected);
    dialog.ConnectSelected();  // the pairing is not yet known to the adapter
    EXPECT_EQ(radio.pairRequests.size(), 1u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenAddress(), 0x0011'2233'4455ull);
}

TEST_F(BluetoothScanDialogTest, AFailedPairingIsSaidAndTheListScannedAgain) {
    BluetoothScanDialog dialog(texts, radio, Recorded());
    dialog.Scan();
    radio.Find("Heron 7", 0x0011'2233'4455);
    radio.EndScan(true);
    dialog.ConnectSelected();
    radio.EndPairing(false);
    EXPECT_EQ(told, std::vector<QString>{"ZuzodIriz:IDS_BTH_CLOSED"});
    EXPECT_EQ(radio.starts, 2);
    EXPECT_TRUE(radio.Scanning());
    EXPECT_EQ(dialog.deviceList()->topLevelItemCount(), 0);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.ChosenAddress());
    EXPECT_TRUE(dialog.connectButton()->isEnabled());
}

TEST_F(BluetoothScanDialogTest, ConnectWithoutASelectionDoesNothing) {
    BluetoothScanDialog dialog(texts, radio, Recorded());
    dialog.ConnectSelected();
    dialog.Scan();
    radio.EndScan(true);
    told.clear();
    dialog.ConnectSelected();
    EXPECT_TRUE(radio.pairRequests.empty());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(told.empty());
}

TEST_F(BluetoothScanDialogTest, CancelStopsTheScanAndGivesNoAddress) {
    BluetoothScanDialog dialog(texts, radio, Recorded());
    dialog.Scan();
    radio.Find("Heron 7", 1);
    dialog.cancelButton()->click();
    EXPECT_FALSE(radio.Scanning());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.ChosenAddress());
}

TEST_F(BluetoothScanDialogTest, APairingAnsweredAfterTheDialogClosedIsIgnored) {
    auto dialog = std::make_unique<BluetoothScanDialog>(texts, radio, Recorded());
    dialog->Scan();
    radio.Find("Heron 7", 1);
    radio.EndScan(true);
    dialog->ConnectSelected();
    dialog.reset();
    radio.EndPairing(false);
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(radio.starts, 1);
}

}  // namespace
}  // namespace vitalis
