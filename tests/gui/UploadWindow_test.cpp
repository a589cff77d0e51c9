// The upload parameter dialog's checks, and a monitor programmed from the window.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

#include <filesystem>

#include "case/ProfileStore.h"
#include "device/gui/UploadParameterDialog.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/LanguageChoice.h"
#include "shell/LanguageTable.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/SessionLauncher.h"
#include "shell/gui/Workstation.h"
#include "support/BackgroundProgram.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;

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
    QString Text(std::string_view section, std::string_view key) const {
        return QString::fromStdString(languages.GetText(section, key));
    }
};

// Records what the dialog tells and asks, answering the question as told.
struct Recorded {
    std::vector<QString> told, asked;
    bool goOn = true;
    UserMessages Messages() {
        return {[this](QWidget*, const QString& t) { told.push_back(t); },
                [this](QWidget*, const QString& q) {
                    asked.push_back(q);
                    return goOn;
                }};
    }
};

class UploadDialogTest : public ::testing::Test, public EnglishTexts {
  protected:
    Recorded recorded;
    UploadChoices initial;
    std::unique_ptr<UploadParameterDialog> Dialog() {
        return std::make_unique<UploadParameterDialog>(languages, initial, recorded.Messages());
    }
};

TEST_F(UploadDialogTest, OpensAtTheStoredPositionsWithTheLanguagesTexts) {
    initial.patientName = "Ada";
    initial.asleepSpan = 9;
    const auto dialog = Dialog();
    const auto& f = dialog->fields();
    EXPECT_EQ(dialog->windowTitle(), Text("Message Setting", "IDS_UPLOAD_PARAMETER"));
    EXPECT_EQ(f.name->text(), "Ada");
    EXPECT_EQ(f.awakeTime->currentText(), "07:00");
    EXPECT_EQ(f.asleepTime->currentText(), "22:00");
    EXPECT_EQ(f.awakeTime->count(), 48);
    EXPECT_EQ(f.awakeSpan->currentText(), Text("Dialog Setting", "IDS_NONE"));
    EXPECT_EQ(f.asleepSpan->currentText(), "120" + Text("Dialog Setting", "IDS_MINS"));
    EXPECT_EQ(f.specialBegin->count(), 49);
    EXPECT_EQ(f.specialBegin->currentText(), Text("Dialog Setting", "IDS_NONE"));
    EXPECT_EQ(f.specialBegin->itemText(1), "00:00");
    EXPECT_EQ(f.startKey->currentText(), Text("Dialog Setting", "IDS_SWITCH_ON"));
    EXPECT_TRUE(f.clock->isReadOnly());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d$"))
                    .match(f.clock->text())
                    .hasMatch())
        << f.clock->text().toStdString();
}

TEST_F(UploadDialogTest, OkAsksForTheNameThenTheIdAndStaysOpen) {
    const auto dialog = Dialog();
    dialog->Confirm();
    dialog->fields().name->setText("Ada");
    dialog->Confirm();
    EXPECT_EQ(recorded.told, (std::vector{Text("Global Setting", "IDS_MSG_NAME"),
                                          Text("Global Setting", "IDS_MSG_ID")}));
    EXPECT_TRUE(recorded.asked.empty());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
}

TEST_F(UploadDialogTest, NoToTheWarningKeepsTheDialogOpenAndYesClosesIt) {
    initial.patientName = "Ada";
    initial.patientId = "P-7";
    initial.awakeSpan = 3;  // readings day and night: nothing else to ask about
    const auto dialog = Dialog();
    recorded.goOn = false;
    dialog->Confirm();
    ASSERT_EQ(recorded.asked.size(), 1u);
    EXPECT_EQ(recorded.asked[0], Text("ZuzodIriz", "IDS_REPLACE_CONTINUE"));
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    recorded.goOn = true;
    dialog->fields().awakeTime->setCurrentIndex(15);
    dialog->fields().specialBegin->setCurrentIndex(25);  // no interval: no special period
    dialog->Confirm();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(recorded.told.empty());
    const UploadSettings s = SettingsFromChoices(dialog->choices());
    EXPECT_EQ(s.schedule.awake.start.minutes(), 450);
    EXPECT_FALSE(s.schedule.special);
}

TEST_F(UploadDialogTest, TheDayTheScheduleGivesIsShownAsItChanges) {
    initial.awakeSpan = 3;   // 07:00 every 15 minutes
    initial.asleepSpan = 5;  // 22:00 every 30 minutes
    const auto dialog = Dialog();
    const auto& f = dialog->fields();
    EXPECT_EQ(f.plan->text(), Text("Message Setting", "IDS_PLAN_READINGS")
                                  .arg(78)
                                  .arg(60)
                                  .arg(QStringLiteral("15:00"))
                                  .arg(18)
                                  .arg(QStringLiteral("9:00")));
    EXPECT_TRUE(f.warning->text().isEmpty());
    f.asleepSpan->setCurrentIndex(0);
    EXPECT_TRUE(f.plan->text().startsWith(QStringLiteral("About 60 readings")));
    EXPECT_EQ(f.warning->text(), Text("Message Setting", "IDS_PLAN_NO_ASLEEP"));
    f.asleepSpan->setCurrentIndex(5);
    f.specialBegin->setCurrentIndex(27);  // 13:00
    f.specialEnd->setCurrentIndex(25);    // 12:00
    EXPECT_EQ(f.warning->text(), Text("Message Setting", "IDS_PLAN_SPECIAL_ORDER"));
}

TEST_F(UploadDialogTest, ASpecialPeriodEndingBeforeItBeginsIsRefused) {
    initial.patientName = "Ada";
    initial.patientId = "P-7";
    initial.awakeSpan = 3;
    initial.specialBegin = 27;
    initial.specialEnd = 25;
    initial.specialSpan = 2;
    const auto dialog = Dialog();
    dialog->Confirm();
    EXPECT_EQ(recorded.told, (std::vector{Text("Message Setting", "IDS_PLAN_SPECIAL_ORDER")}));
    EXPECT_TRUE(recorded.asked.empty());  // not even the erase warning
    EXPECT_NE(dialog->result(), QDialog::Accepted);
}

TEST_F(UploadDialogTest, TabGoesThroughTheFieldsInTheOrderTheyAreLaidOut) {
    const auto dialog = Dialog();
    const auto& f = dialog->fields();
    const std::vector<QWidget*> expected{f.id,          f.awakeTime,  f.awakeSpan,
                                         f.asleepTime,  f.asleepSpan, f.specialBegin,
                                         f.specialSpan, f.specialEnd, f.startKey};
    QWidget* at = f.name;
    for (QWidget* next : expected) {
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || !at->isEnabled()) at = at->nextInFocusChain();
        EXPECT_EQ(at, next);
    }
}

#ifdef HERON_SIM

// Fills the dialog when it comes up and presses OK.
void ProgrammeWhenAsked(UploadParameterDialog& dialog) {
    const auto& f = dialog.fields();
    EXPECT_EQ(f.awakeTime->currentText(), "07:00");  // the configuration's defaults
    f.name->setText("Ada Lovelace");
    f.id->setText("P-7");
    f.awakeTime->setCurrentIndex(15);
    f.awakeSpan->setCurrentIndex(3);
    f.asleepSpan->setCurrentIndex(0);
    f.specialBegin->setCurrentIndex(25);
    f.specialEnd->setCurrentIndex(28);
    f.specialSpan->setCurrentIndex(2);
    f.startKey->setCurrentIndex(1);
    dialog.Confirm();
}

TEST(UploadWindow, TheMonitorIsProgrammedWithTheDialogsChoices) {
    EnglishTexts english;
    const std::string block = english.app.File("programmed.bin");
    test::BackgroundProgram sim(HERON_SIM, {"--tcp", "0", "--upload-out", block});
    const std::string line = sim.Line();
    ASSERT_TRUE(line.starts_with("tcp: ")) << line;

    Recorded window;
    Workstation station(english.config, window.Messages());
    station.Start({QStringLiteral("--link"), QString::fromStdString("tcp:" + line.substr(5))});
    Recorded session;
    station.sessions().SetAnswers({[&](QWidget*, const QString& t) { session.told.push_back(t); },
                                   [](QWidget*, const QString&) { return false; },
                                   [](QWidget*, const QString&) { return true; }});
    ASSERT_TRUE(station.frame().Action(command::kUpload)->isEnabled());

    bool filled = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<UploadParameterDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || filled) return;
        filled = true;
        ProgrammeWhenAsked(*dialog);
    });
    watcher.start(20);
    station.Run(command::kUpload);

    ASSERT_TRUE(filled) << "the parameter dialog never came";
    // No interval asleep was chosen on purpose: asked about first, then the usual warning.
    ASSERT_EQ(window.asked.size(), 2u);
    EXPECT_TRUE(window.asked[0].startsWith(english.Text("Message Setting", "IDS_PLAN_NO_ASLEEP")));
    EXPECT_EQ(window.asked[1], english.Text("ZuzodIriz", "IDS_REPLACE_CONTINUE"));
    EXPECT_EQ(sim.Line(), "upload: 70 bytes written to " + block);
    const std::string b = test::ReadBytes(block);
    ASSERT_EQ(b.size(), 70u);
    EXPECT_EQ(b.substr(0, 12), "Ada Lovelace");
    EXPECT_EQ(b.substr(30, 3), "P-7");
    // 07:30 every 15 min, 22:00 none, special 12:00 every 10 min until 13:30, key off.
    EXPECT_EQ(b.substr(48, 11), std::string("\x07\x1E\x0F\x16\x00\xFF\x0C\x00\x0A\x0D\x1E", 11));
    EXPECT_EQ(b[60], 0);
    const QString finished = english.Text("Global Setting", "IDS_UPLOAD_FINISH");
    EXPECT_EQ(session.told, (std::vector{finished}));
    bool paneTells = false;
    for (const QLabel* pane : station.frame().statusBar()->findChildren<QLabel*>())
        paneTells = paneTells || pane->text() == finished;
    EXPECT_TRUE(paneTells);

    // The patient and schedule are kept for the next run, as list positions.
    const ProfileStore config(english.app.File("VurConfig.ini"), ProfileOpen::ExistingOnly);
    EXPECT_EQ(config.GetString("Configfamily", "PatientName", ""), "Ada Lovelace");
    EXPECT_EQ(config.GetInt("Configfamily", "Awake Time", -1), 15);
    EXPECT_EQ(config.GetInt("Configfamily", "Awake Span", -1), 3);
    EXPECT_EQ(config.GetInt("Configfamily", "Asleep Span", -1), 0);

    // The next run offers the schedule again, but never the patient just programmed.
    QString nameOffered = QStringLiteral("unset");
    int awakeSpanOffered = -1;
    QObject::disconnect(&watcher, nullptr, nullptr, nullptr);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<UploadParameterDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        nameOffered = dialog->fields().name->text();
        awakeSpanOffered = dialog->fields().awakeSpan->currentIndex();
        dialog->reject();
    });
    station.Run(command::kUpload);
    EXPECT_EQ(nameOffered, QString());
    EXPECT_EQ(awakeSpanOffered, 3);
    station.Exit();
}

TEST(UploadWindow, CancellingTheDialogProgramsNothingAndKeepsTheDefaults) {
    EnglishTexts english;
    const std::string block = english.app.File("programmed.bin");
    test::BackgroundProgram sim(HERON_SIM, {"--tcp", "0", "--upload-out", block});
    const std::string line = sim.Line();
    ASSERT_TRUE(line.starts_with("tcp: ")) << line;
    Recorded window;
    Workstation station(english.config, window.Messages());
    station.Start({QStringLiteral("--link"), QString::fromStdString("tcp:" + line.substr(5))});
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<UploadParameterDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        dialog->fields().awakeTime->setCurrentIndex(20);
        dialog->reject();
    });
    watcher.start(20);
    station.Run(command::kUpload);
    EXPECT_FALSE(fs::exists(block));
    EXPECT_EQ(english.config.upload.awakeTime, 14);
    station.Exit();
}

#endif

}  // namespace
}  // namespace vitalis
