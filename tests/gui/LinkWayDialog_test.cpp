#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "device/gui/LinkWayDialog.h"
#include "shell/AppConfig.h"
#include "shell/LanguageTable.h"
#include "shell/gui/SessionLauncher.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

const std::vector<SerialPortChoice> kPorts{{"/dev/ttyUSB0", "FT232R USB UART"}, {"/dev/ttyS0", ""}};

TEST(LinkWayDialogChoices, EverySerialPortIsOfferedWithItsName) {
    test::KeyTexts texts;
    LinkWayDialog dialog(texts, 0, 1, nullptr, kPorts);
    ASSERT_EQ(dialog.serialButtons().size(), 2u);
    EXPECT_TRUE(dialog.serialButtons()[0]->text().contains(QStringLiteral("/dev/ttyUSB0")));
    EXPECT_TRUE(dialog.serialButtons()[0]->text().endsWith(QStringLiteral("(FT232R USB UART)")));
    EXPECT_FALSE(dialog.serialButtons()[1]->text().contains(QLatin1Char('(')));
    EXPECT_TRUE(dialog.usbButton()->isChecked());
    EXPECT_EQ(FormatLinkTarget(*dialog.chosenLink()), "usb");
    dialog.serialButtons()[1]->setChecked(true);
    EXPECT_EQ(FormatLinkTarget(*dialog.chosenLink()), "serial:/dev/ttyS0");
    EXPECT_EQ(dialog.useBluetooth(), 0);
    dialog.bluetoothButton()->setChecked(true);
    EXPECT_FALSE(dialog.chosenLink());  // the scan finds the monitor
    EXPECT_EQ(dialog.useBluetooth(), 1);
}

TEST(LinkWayDialogChoices, ANetworkAddressMustBeHostAndPort) {
    test::KeyTexts texts;
    LinkWayDialog dialog(texts, 0, 1, nullptr, kPorts);
    EXPECT_FALSE(dialog.networkAddress()->isEnabled());
    dialog.networkButton()->setChecked(true);
    EXPECT_TRUE(dialog.networkAddress()->isEnabled());
    dialog.networkAddress()->setText(QStringLiteral("localhost"));
    dialog.Confirm();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.networkError()->isHidden());
    dialog.networkAddress()->setText(QStringLiteral(" 127.0.0.1:5555 "));
    dialog.Confirm();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(FormatLinkTarget(*dialog.chosenLink()), "tcp:127.0.0.1:5555");
}

TEST(LinkWayDialogChoices, TheLinkInUseIsCheckedWhenTheDialogOpensAgain) {
    test::KeyTexts texts;
    LinkWayDialog serial(texts, 0, 1, nullptr, kPorts, ParseLinkTarget("serial:/dev/ttyS0"));
    EXPECT_TRUE(serial.serialButtons()[1]->isChecked());
    LinkWayDialog network(texts, 0, 1, nullptr, kPorts, ParseLinkTarget("tcp:10.1.2.3:7000"));
    EXPECT_TRUE(network.networkButton()->isChecked());
    EXPECT_EQ(network.networkAddress()->text(), QStringLiteral("10.1.2.3:7000"));
    // A port that has gone away falls back to the stored choice.
    LinkWayDialog gone(texts, 1, 1, nullptr, kPorts, ParseLinkTarget("serial:/dev/ttyACM9"));
    EXPECT_TRUE(gone.bluetoothButton()->isChecked());
}

TEST(LinkWayDialogChoices, ANetworkLinkChosenOnceServesTheRestOfTheRun) {
    test::TempFolder folder;
    folder.AddShippedLanguages();
    LanguageTable languages;
    AppConfigHeron config(languages);
    config.SetApplicationDirectory(folder.path());
    config.showSelectDevice = 1;
    SessionLauncher launcher(config, languages, nullptr);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<LinkWayDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->networkButton()->setChecked(true);
        dialog->networkAddress()->setText(QStringLiteral("127.0.0.1:5555"));
        dialog->notAgainBox()->setChecked(true);
        dialog->Confirm();
    });
    const std::optional<LinkTarget> first = launcher.ChooseLink();
    ASSERT_TRUE(first);
    EXPECT_EQ(FormatLinkTarget(*first), "tcp:127.0.0.1:5555");
    EXPECT_EQ(config.showSelectDevice, 0);
    const std::optional<LinkTarget> second = launcher.ChooseLink();  // not asked again
    ASSERT_TRUE(second);
    EXPECT_EQ(FormatLinkTarget(*second), "tcp:127.0.0.1:5555");
}

}  // namespace
}  // namespace vitalis
