#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QThread>

#include <atomic>
#include <thread>

#include "device/gui/LinkWayDialog.h"
#include "device/gui/QtSessionUi.h"
#include "device/gui/SessionProgressDialog.h"
#include "device/session/PolicySessionUi.h"
#include "device/session/SessionMessages.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/LanguageChoice.h"
#include "shell/LanguageTable.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/SessionLauncher.h"
#include "shell/gui/Workstation.h"
#include "support/CaseFixtures.h"
#include "support/ScriptedPlatform.h"
#include "support/TempFolder.h"

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

// The English texts, as a workstation started in an application folder reads them.
struct EnglishTexts {
    test::TempFolder app;
    LanguageTable languages;
    AppConfigHeron config{languages};
    EnglishTexts() {
        app.AddShippedLanguages();
        config.SetApplicationDirectory(app.path());
        config.Load();
        StartLanguage(languages);
    }
};

// Lets the window run until done() or the bound; false when the bound came first.
template <typename Done>
bool RunUntil(Done done, int boundMs = 5000) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < boundMs)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

TEST(SessionProgressDialog, TheReadingsLineMovesWithTheReadings) {
    EnglishTexts english;
    ScriptedPlatform platform;
    PolicySessionUi ui(0);
    SessionProgress progress;
    SessionWorker worker({platform, ui, english.languages, progress});  // never started
    SessionProgressDialog dialog(progress, worker, english.languages);
    dialog.show();
    progress.Set(20, SessionState::Running);
    ASSERT_TRUE(RunUntil([&] { return dialog.bar()->value() == 20; }));
    EXPECT_EQ(dialog.readingsLabel()->text(), QString());  // nothing announced yet

    progress.SetReadings(47, 138, 20, 80);
    ASSERT_TRUE(RunUntil([&] { return !dialog.readingsLabel()->text().isEmpty(); }));
    EXPECT_EQ(dialog.readingsLabel()->text(), QStringLiteral("Reading 47 of 138"));
    EXPECT_EQ(dialog.bar()->value(), 40);
    progress.SetReadings(138, 138, 20, 80);
    ASSERT_TRUE(RunUntil([&] { return dialog.bar()->value() == 80; }));
    EXPECT_EQ(dialog.readingsLabel()->text(), QStringLiteral("Reading 138 of 138"));

    progress.Set(100, SessionState::Saved);
    ASSERT_TRUE(RunUntil([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(dialog.finalState(), SessionState::Saved);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Nothing listens on the link, so identification fails and the window asks Retry/Cancel.
TEST(DownloadWindow, CancelOnTheRetryQuestionIsReportedAsCancelled) {
    EnglishTexts english;
    std::vector<QString> told;
    Workstation station(english.config, {[&](QWidget*, const QString& t) { told.push_back(t); },
                                         [](QWidget*, const QString&) { return true; }});
    station.Start({QStringLiteral("--link"), QStringLiteral("tcp:127.0.0.1:1")});
    std::vector<QString> asked;
    station.sessions().SetAnswers({[&](QWidget*, const QString& t) { told.push_back(t); },
                                   [&](QWidget*, const QString& t) {
                                       asked.push_back(t);
                                       return false;  // Cancel
                                   },
                                   [](QWidget*, const QString&) { return true; }});
    told.clear();
    QElapsedTimer took;
    took.start();
    station.Run(command::kDownload);
    EXPECT_LT(took.elapsed(), 10000);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].startsWith(
        QString::fromStdString(english.languages.GetText(kNoticeTexts, "IDS_TRY_CANCEL"))));
    EXPECT_TRUE(told.empty()) << told.front().toStdString();  // no failure message either
    const QString cancelled =
        QString::fromStdString(english.languages.GetText(kSessionSection, kSessionCancelledKey));
    EXPECT_EQ(cancelled, QStringLiteral("Cancelled. Nothing was saved."));
    bool paneTells = false;
    for (const QLabel* pane : station.frame().statusBar()->findChildren<QLabel*>())
        paneTells = paneTells || pane->text() == cancelled;
    EXPECT_TRUE(paneTells);
    EXPECT_FALSE(station.doc().caseOpen());
    station.Exit();
}

}  // namespace
}  // namespace vitalis
