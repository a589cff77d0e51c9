// A download started from the window against the simulator, ending with the new case offered.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>

#include "case/gui/CaseOpenDialog.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/SessionLauncher.h"
#include "shell/gui/Workstation.h"
#include "support/BackgroundProgram.h"
#include "support/CaseFixtures.h"
#include "support/ScopedVariable.h"
#include "support/TempFolder.h"

#ifdef HERON_SIM

namespace vitalis {
namespace {

namespace fs = std::filesystem;

TEST(DownloadWindow, SavedDownloadIsOfferedInTheOpenDialog) {
    test::TempFolder app;
    app.AddShippedLanguages();
    const std::string monitorHolds = app.File("monitor.awp");
    test::WriteSampleCase(monitorHolds, {2026, 2, 3, 8, 30}, 6);
    test::BackgroundProgram sim(HERON_SIM, {"--tcp", "0", "--case", monitorHolds});
    const std::string line = sim.Line();
    ASSERT_TRUE(line.starts_with("tcp: ")) << line;

    LanguageTable languages;
    AppConfigHeron config(languages);
    config.SetApplicationDirectory(app.path());
    std::vector<QString> told;
    Workstation station(config, {[&](QWidget*, const QString& t) { told.push_back(t); },
                                 [](QWidget*, const QString&) { return true; }});
    station.Start({QStringLiteral("--link"), QString::fromStdString("tcp:" + line.substr(5))});
    station.sessions().SetAnswers({[&](QWidget*, const QString& t) { told.push_back(t); },
                                   [](QWidget*, const QString&) { return false; },
                                   [](QWidget*, const QString&) { return true; }});

    // When the open dialog comes up, note the row it offers and open it.
    QString offered;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<CaseOpenDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !offered.isEmpty()) return;
        const auto selected = dialog->list()->selectedItems();
        offered = selected.isEmpty() ? QStringLiteral("(none)")
                                     : selected.front()->data(0, Qt::UserRole).toString();
        emit dialog->buttons()->accepted();
    });
    watcher.start(20);

    station.Run(command::kDownload);
    QElapsedTimer waited;
    waited.start();
    while (offered.isEmpty() && waited.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ASSERT_FALSE(offered.isEmpty()) << "the open dialog never came";
    // A program folder without cases of its own: the download goes to the user's data folder.
    const std::string cases = config.DefaultCaseFolder();
    EXPECT_NE(cases, app.File("data"));
    EXPECT_TRUE(offered.startsWith(QString::fromStdString(cases + "/")));
    EXPECT_TRUE(station.doc().caseOpen());
    EXPECT_EQ(station.doc().casePath(), offered);
    EXPECT_EQ(station.doc().recording().allMeasurements().size(), 6u);
    EXPECT_TRUE(fs::exists(app.File("LastSession.log")));
    station.Exit();
}

TEST(DownloadWindow, CancelStopsTheSessionAndSavesNothing) {
    test::TempFolder app;
    // A case folder of its own: an earlier test's download must not count as this one's.
    test::TempFolder userData;
    const test::ScopedVariable dataHome{"XDG_DATA_HOME", userData.path()};
    app.AddShippedLanguages();
    const std::string monitorHolds = app.File("monitor.awp");
    test::WriteSampleCase(monitorHolds, {2026, 2, 3, 8, 30}, 40);
    // The monitor goes quiet for a minute in the middle of the readings.
    test::BackgroundProgram sim(HERON_SIM, {"--tcp", "0", "--case", monitorHolds, "--stall-at",
                                            "300", "--stall-ms", "60000"});
    const std::string line = sim.Line();
    ASSERT_TRUE(line.starts_with("tcp: ")) << line;

    LanguageTable languages;
    AppConfigHeron config(languages);
    config.SetApplicationDirectory(app.path());
    Workstation station(
        config, {[](QWidget*, const QString&) {}, [](QWidget*, const QString&) { return true; }});
    station.Start({QStringLiteral("--link"), QString::fromStdString("tcp:" + line.substr(5))});
    std::vector<QString> told;
    station.sessions().SetAnswers({[&](QWidget*, const QString& t) { told.push_back(t); },
                                   [](QWidget*, const QString&) { return false; },
                                   [](QWidget*, const QString&) { return true; }});
    bool cancelled = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog != nullptr && !cancelled && dialog->inherits("vitalis::SessionProgressDialog")) {
            cancelled = true;
            QTimer::singleShot(300, dialog,
                               [dialog] { QMetaObject::invokeMethod(dialog, "reject"); });
        }
    });
    watcher.start(20);

    QElapsedTimer took;
    took.start();
    station.Run(command::kDownload);
    EXPECT_TRUE(cancelled);
    EXPECT_LT(took.elapsed(), 20000);  // far less than the monitor's minute of silence
    EXPECT_FALSE(station.doc().caseOpen());
    const std::string cases = config.DefaultCaseFolder();
    EXPECT_FALSE(fs::exists(cases) && !fs::is_empty(cases));
    station.Exit();
}

}  // namespace
}  // namespace vitalis

#endif
