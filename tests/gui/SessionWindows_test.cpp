#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QThread>

#include <atomic>
#include <thread>

#include "device/gui/LinkWayDialog.h"
#include "device/gui/QtSessionUi.h"
#include "support/CaseFixtures.h"

namespace vitalis {
namespace {

TEST(LinkWayDialog, ShowsAndReturnsTheStoredChoice) {
    test::KeyTexts texts;
    LinkWayDialog usb(texts, 0, 1);
    EXPECT_TRUE(usb.usbButton()->isChecked());
    EXPECT_FALSE(usb.notAgainBox()->isChecked());
    usb.bluetoothButton()->setChecked(true);
    usb.notAgainBox()->setChecked(true);
    EXPECT_EQ(usb.useBluetooth(), 1);
    EXPECT_EQ(usb.showSelectDevice(), 0);

    LinkWayDialog bluetooth(texts, 1, 0);
    EXPECT_TRUE(bluetooth.bluetoothButton()->isChecked());
    EXPECT_TRUE(bluetooth.notAgainBox()->isChecked());
}

TEST(QtSessionUi, AWorkerWaitsForTheAnswerGivenOnTheWindowThread) {
    test::KeyTexts texts;
    std::vector<QString> asked;
    Qt::HANDLE answeredOn = nullptr;
    QtSessionUi::Answers answers;
    answers.show = [&](QWidget*, const QString& text) { asked.push_back(text); };
    answers.retry = [&](QWidget*, const QString& text) {
        asked.push_back(text);
        answeredOn = QThread::currentThreadId();
        return true;
    };
    answers.yesNo = [&](QWidget*, const QString&) { return false; };
    QtSessionUi ui(texts, nullptr, answers);

    std::atomic<bool> done{false};
    bool retry = false;
    bool yes = true;
    std::thread worker([&] {
        ui.ShowMessage({"ZuzodIriz", "IDS_DEVICE", "", UiIcon::Warning});
        retry = ui.AskRetry({"ZuzodIriz", "IDS_TRY_CANCEL", " (serial)", UiIcon::Warning});
        yes = ui.AskYesNo({"Global Setting", "IDS_DELETE", "", UiIcon::Information});
        done = true;
    });
    while (!done) QApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    EXPECT_TRUE(retry);
    EXPECT_FALSE(yes);
    EXPECT_EQ(answeredOn, QThread::currentThreadId());
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], QStringLiteral("ZuzodIriz:IDS_DEVICE"));
    EXPECT_EQ(asked[1], QStringLiteral("ZuzodIriz:IDS_TRY_CANCEL\r\n (serial)"));
}

}  // namespace
}  // namespace vitalis
