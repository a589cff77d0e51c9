#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "case/ProfileStore.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/LanguageTable.h"
#include "shell/WearInstructions.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/ConfigurationSheet.h"
#include "shell/gui/DiaryDialog.h"
#include "shell/gui/PatientSheetDialog.h"
#include "shell/gui/SleepPeriodDialog.h"
#include "shell/gui/ThresholdPage.h"
#include "shell/gui/WearDialog.h"
#include "shell/gui/Workstation.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using F = ThresholdField;
using test::TempFolder;

// Runs a command of the window; when its dialog of type D comes up, `act` handles it once.
template <typename D>
bool RunWithDialog(Workstation& station, int command, const std::function<void(D&)>& act) {
    bool seen = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (dialog == nullptr || seen) return;
        seen = true;
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    watcher.start(5);
    station.Run(command);
    return seen;
}

// An application folder with the shipped languages and one case of 48 readings from 08:00.
class SettingsWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.AddShippedLanguages();
        config.SetApplicationDirectory(folder.path());
        fs::create_directories(folder.File("data"));
        casePath = folder.File("data/2603010800.awp");
        test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 48);
    }
    UserMessages Recorded() {
        return {[this](QWidget*, const QString& text) { told.push_back(text); },
                [](QWidget*, const QString&) { return true; }};
    }
    void Open(Workstation& station) {
        station.Start({QString::fromStdString(casePath)});
        ASSERT_TRUE(station.doc().caseOpen());
    }

    TempFolder folder;
    LanguageTable languages;
    AppConfigHeron config{languages};
    std::string casePath;
    std::vector<QString> told;
};

TEST(SleepPeriodWindow, ListsShowTheHalfHourAtOrBeforeEachStart) {
    const NoTexts texts;
    SleepPeriodDialog dialog(texts, 420, 1335);
    ASSERT_EQ(dialog.awakeList()->count(), 48);
    EXPECT_EQ(dialog.awakeList()->currentText(), QStringLiteral("7:00"));
    EXPECT_EQ(dialog.asleepList()->currentText(), QStringLiteral("22:00"));
    EXPECT_EQ(dialog.asleepEntry(), 44);
}

TEST_F(SettingsWindowsTest, SleepPeriodIsWrittenAndTheCaseDividedAgain) {
    Workstation station(config, Recorded());
    Open(station);
    const Recording& recording = station.doc().recording();
    const int awakeBefore = recording.analysis.awakeCount;
    EXPECT_TRUE(station.frame().Action(command::kSleepPeriod)->isEnabled());

    // Cancel changes nothing.
    EXPECT_TRUE(RunWithDialog<SleepPeriodDialog>(
        station, command::kSleepPeriod,
        [](SleepPeriodDialog& d) { d.awakeList()->setCurrentIndex(20); }));
    EXPECT_EQ(recording.awakeStart, 420);

    EXPECT_TRUE(
        RunWithDialog<SleepPeriodDialog>(station, command::kSleepPeriod, [](SleepPeriodDialog& d) {
            d.awakeList()->setCurrentIndex(20);   // 10:00
            d.asleepList()->setCurrentIndex(36);  // 18:00
            d.accept();
        }));
    EXPECT_EQ(recording.awakeStart, 600);
    EXPECT_EQ(recording.asleepStart, 1080);
    EXPECT_LT(recording.analysis.awakeCount, awakeBefore);
    // Nothing reaches the file before Save; Undo takes the period back.
    EXPECT_EQ(ProfileStore(casePath).GetInt("TEST 1", "Awake Time", 0), 14);
    EXPECT_TRUE(station.frame().Action(editcommand::kUndo)->isEnabled());
    station.Run(editcommand::kUndo);
    EXPECT_EQ(recording.awakeStart, 420);
    EXPECT_EQ(recording.analysis.awakeCount, awakeBefore);
    EXPECT_FALSE(station.frame().Action(editcommand::kSave)->isEnabled());
    station.Run(editcommand::kRedo);
    EXPECT_EQ(recording.awakeStart, 600);
    station.Run(editcommand::kSave);
    EXPECT_EQ(ProfileStore(casePath).GetInt("TEST 1", "Awake Time", 0), 20);
    EXPECT_EQ(ProfileStore(casePath).GetInt("TEST 1", "Asleep Time", 0), 36);
    EXPECT_NE(test::ReadBytes(casePath).find("asleep 18:00\xE2\x80\x93"
                                             "10:00\r\n"),
              std::string::npos);
    EXPECT_TRUE(told.empty());
}

TEST(ThresholdWindow, ValuesAreCorrectedAsTypedAndWhenLeft) {
    const NoTexts texts;
    ThresholdPage page(texts, ThresholdSettings{});
    page.field(F::AwakeSys)->setValue(300);
    EXPECT_EQ(page.field(F::AwakeSys)->value(), 280);
    page.field(F::AwakeSys)->setValue(80);  // mid-typing: left alone until the field is left
    page.field(F::AwakeDia)->setValue(85);
    EXPECT_EQ(page.field(F::AwakeDia)->value(), 79);
    page.field(F::AwakeSys)->setValue(14);
    EXPECT_EQ(page.field(F::AwakeSys)->value(), 14);
    page.FieldLeft(F::AwakeSys);
    EXPECT_EQ(page.field(F::AwakeSys)->value(), 80);
    // Steps stay inside the field's range.
    page.field(F::NightLoad)->setValue(100);
    page.field(F::NightLoad)->stepBy(1);
    EXPECT_EQ(page.field(F::NightLoad)->value(), 100);
}

TEST(ThresholdWindow, DefaultsRestoreThePressuresAndKeepTheLimits) {
    const NoTexts texts;
    ThresholdPage page(texts, ThresholdSettings{150, 95, 130, 85, 30, 35, 20, 12});
    page.defaultButton()->click();
    const ThresholdSettings shown = page.values();
    EXPECT_EQ(shown.awakeSys, 140);
    EXPECT_EQ(shown.awakeDia, 90);
    EXPECT_EQ(shown.asleepSys, 120);
    EXPECT_EQ(shown.asleepDia, 80);
    EXPECT_EQ(shown.dayLoad, 30);
    EXPECT_EQ(shown.nightLoad, 35);
    EXPECT_EQ(shown.highFall, 20);
    EXPECT_EQ(shown.lowFall, 12);
}

TEST_F(SettingsWindowsTest, RefusedThresholdsKeepTheOldOnesAcceptedOnesShowAtOnce) {
    Workstation station(config, Recorded());
    Open(station);
    const Recording& recording = station.doc().recording();
    const auto awakeAbove = [&] {
        return recording.analysis.stats[PeriodSlot(Period::Awake)].sysAboveCount;
    };
    const int aboveBefore = awakeAbove();

    // A systolic threshold still being typed ("14" of "140") is refused; the dialog stays
    // open so that it can be finished.
    const auto page = [](ConfigurationSheet& d) { return d.findChild<ThresholdPage*>(); };
    EXPECT_TRUE(RunWithDialog<ConfigurationSheet>(station, command::kThresholdSettings,
                                                  [&](ConfigurationSheet& d) {
                                                      page(d)->field(F::AwakeSys)->setValue(14);
                                                      page(d)->field(F::DayLoad)->setValue(20);
                                                      d.accept();
                                                      EXPECT_TRUE(d.isVisible());
                                                  }));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], QStringLiteral("Error param, please change it. Error Code: 101002."));
    EXPECT_EQ(config.thresholds.awakeSys, 140);
    EXPECT_EQ(config.thresholds.dayLoad, 40);

    EXPECT_TRUE(RunWithDialog<ConfigurationSheet>(station, command::kThresholdSettings,
                                                  [&](ConfigurationSheet& d) {
                                                      page(d)->field(F::AwakeDia)->setValue(50);
                                                      page(d)->field(F::AwakeSys)->setValue(60);
                                                      d.accept();
                                                  }));
    EXPECT_EQ(config.thresholds.awakeSys, 60);
    EXPECT_EQ(config.thresholds.awakeDia, 50);
    EXPECT_GT(awakeAbove(), aboveBefore);
    EXPECT_EQ(
        ProfileStore(folder.File("VurConfig.ini")).GetInt("Configfamily", "Awake Sys Thresh", 0),
        60);
    EXPECT_EQ(told.size(), 1u);
}

TEST(ThresholdWindow, GuidelineProfileIsChosenAndItsThresholdsCanBeTaken) {
    const NoTexts texts;
    ThresholdPage page(texts, ThresholdSettings{150, 95, 130, 85, 30, 35, 20, 12}, "nice2019");
    EXPECT_EQ(page.guidelineBox()->count(), 3);
    EXPECT_EQ(page.guidelineBox()->currentText(), QStringLiteral("NICE NG136"));
    EXPECT_EQ(page.guideline(), "nice2019");
    // NICE sets no asleep threshold: those fields keep their values.
    page.profileButton()->click();
    EXPECT_EQ(page.values().awakeSys, 135);
    EXPECT_EQ(page.values().awakeDia, 85);
    EXPECT_EQ(page.values().asleepSys, 130);
    page.guidelineBox()->setCurrentIndex(
        page.guidelineBox()->findData(QStringLiteral("acc-aha2017")));
    EXPECT_EQ(page.guideline(), "acc-aha2017");
    page.profileButton()->click();
    const ThresholdSettings taken = page.values();
    EXPECT_EQ(std::vector<int>({taken.awakeSys, taken.awakeDia, taken.asleepSys, taken.asleepDia,
                                taken.dayLoad}),
              std::vector<int>({130, 80, 110, 65, 30}));
    EXPECT_EQ(ThresholdPage(texts, ThresholdSettings{}, "unknown").guideline(), "esh2023");
}

TEST(PatientWindow, BirthDateIsHeldAndGivesTheAge) {
    const NoTexts texts;
    PatientSheet sheet;
    sheet.patient.birthDate = {1980, 5, 1};
    sheet.age = 45;
    PatientSheetDialog dialog(texts, sheet, {2026, 1, 10});
    ASSERT_EQ(dialog.pages()->count(), 4);
    EXPECT_EQ(dialog.ageEdit()->value(), 45);  // as stored until the date changes
    dialog.birthdayEdit()->setDate(QDate(1826, 3, 3));
    EXPECT_EQ(dialog.birthdayEdit()->date(), QDate(1876, 1, 1));
    EXPECT_EQ(dialog.ageEdit()->value(), 150);
    dialog.birthdayEdit()->setDate(QDate(2025, 12, 20));
    EXPECT_EQ(dialog.ageEdit()->value(), 1);
    dialog.birthdayEdit()->setDate(QDate(2030, 1, 1));
    EXPECT_EQ(dialog.birthdayEdit()->date(), QDate(2026, 1, 10));
    EXPECT_EQ(dialog.sheet().age, 0);
}

TEST(PatientWindow, OfficePressureIsOptionalAndMustBeTwoWholeNumbers) {
    const NoTexts texts;
    PatientSheet sheet;
    sheet.office = OfficePressure{142, 91};
    PatientSheetDialog dialog(texts, sheet, {2026, 1, 10});
    EXPECT_EQ(dialog.officeEdit()->text(), QStringLiteral("142/91"));
    dialog.officeEdit()->setText(QStringLiteral("142/9l"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open, with the reason shown
    EXPECT_FALSE(dialog.officeProblem()->isHidden());
    dialog.officeEdit()->setText(QStringLiteral("128/79"));
    EXPECT_EQ(dialog.sheet().office, (OfficePressure{128, 79}));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.officeEdit()->clear();
    EXPECT_EQ(dialog.sheet().office, std::nullopt);
}

TEST(PatientWindow, SexIsShownAndStoredInTheCaseFileCodes) {
    const NoTexts texts;
    PatientSheet sheet;
    sheet.patient.sex = PatientSex::Female;  // 2 in the case file
    PatientSheetDialog woman(texts, sheet, {2026, 1, 10});
    ASSERT_EQ(woman.sexBox()->count(), 3);
    EXPECT_EQ(woman.sexBox()->currentIndex(), 2);
    EXPECT_EQ(woman.sheet().patient.sex, PatientSex::Female);
    woman.sexBox()->setCurrentIndex(1);
    EXPECT_EQ(woman.sheet().patient.sex, PatientSex::Male);

    sheet.patient.sex = PatientSex::Unknown;  // nobody entered it: stays unknown, not male
    PatientSheetDialog unset(texts, sheet, {2026, 1, 10});
    EXPECT_EQ(unset.sexBox()->currentIndex(), 0);
    EXPECT_EQ(unset.sheet().patient.sex, PatientSex::Unknown);
}

TEST_F(SettingsWindowsTest, PatientSheetWritesTheCaseFileAndTheRecordingFollows) {
    Workstation station(config, Recorded());
    Open(station);
    EXPECT_TRUE(RunWithDialog<PatientSheetDialog>(
        station, command::kPatientData, [](PatientSheetDialog& d) {
            d.nameEdit()->setText(QStringLiteral("Grace"));
            d.medicationsEdit()->setPlainText(QStringLiteral("Ramipril\nmorning"));
            d.referringEdit()->setText(QStringLiteral("Dr. Q"));
            d.accept();
        }));
    const Recording& recording = station.doc().recording();
    EXPECT_EQ(recording.patient.name, "Grace");
    EXPECT_EQ(recording.medications, "Ramipril\r\nmorning");
    EXPECT_EQ(recording.referringPhysician, "Dr. Q");
    EXPECT_EQ(recording.allMeasurements().size(), 48u);
    EXPECT_EQ(test::ReadBytes(casePath).find("Medications=Ramipril++morning"), std::string::npos);
    station.Run(editcommand::kSave);
    EXPECT_NE(test::ReadBytes(casePath).find("Medications=Ramipril++morning"), std::string::npos);

    // Opened again, the sheet shows the line break as typed, and the saved history.
    QString shown, history;
    EXPECT_TRUE(RunWithDialog<PatientSheetDialog>(station, command::kPatientData,
                                                  [&](PatientSheetDialog& d) {
                                                      shown = d.medicationsEdit()->toPlainText();
                                                      ASSERT_NE(d.historyView(), nullptr);
                                                      EXPECT_TRUE(d.historyView()->isReadOnly());
                                                      history = d.historyView()->toPlainText();
                                                  }));
    EXPECT_EQ(shown, QStringLiteral("Ramipril\nmorning"));
    EXPECT_TRUE(history.endsWith(QStringLiteral("  patient sheet edited")))
        << history.toStdString();
    EXPECT_TRUE(told.empty());
}

TEST_F(SettingsWindowsTest, BirthDateAndSexLeftUnknownStayUnknownAfterReopening) {
    const auto unknownShown = [](PatientSheetDialog& d) {
        EXPECT_TRUE(d.birthdayUnknownBox()->isChecked());
        EXPECT_FALSE(d.birthdayEdit()->isEnabled());
        EXPECT_EQ(d.sexBox()->currentIndex(), 0);
        EXPECT_EQ(d.sheet().patient.birthDate, std::nullopt);
    };
    {
        Workstation station(config, Recorded());
        Open(station);
        EXPECT_TRUE(RunWithDialog<PatientSheetDialog>(
            station, command::kPatientData, [&](PatientSheetDialog& d) {
                unknownShown(d);
                d.nameEdit()->setText(QStringLiteral("Grace"));
                d.accept();
            }));
        station.Run(editcommand::kSave);
    }
    const std::string saved = test::ReadBytes(casePath);
    ASSERT_NE(saved.find("Name=Grace\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("Birthday="), std::string::npos) << saved;
    EXPECT_NE(saved.find("Gender=0\r\n"), std::string::npos);

    Workstation reopened(config, Recorded());
    Open(reopened);
    EXPECT_EQ(reopened.doc().recording().patient.birthDate, std::nullopt);
    bool shown = false;
    EXPECT_TRUE(RunWithDialog<PatientSheetDialog>(reopened, command::kPatientData,
                                                  [&](PatientSheetDialog& d) {
                                                      unknownShown(d);
                                                      // Ticked off, the date counts again.
                                                      d.birthdayUnknownBox()->setChecked(false);
                                                      EXPECT_TRUE(d.birthdayEdit()->isEnabled());
                                                      EXPECT_TRUE(d.sheet().patient.birthDate);
                                                      shown = true;
                                                  }));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(told.empty());
}

TEST(WearWindow, ShippedPictureIsShown) {
    const NoTexts texts;
    const std::string picture = WearPicturePath(VITALIS_SOURCE_DIR, "English");
    WearDialog dialog(texts, QString::fromStdString(picture));
    EXPECT_FALSE(dialog.picture()->pixmap().isNull());
}

TEST_F(SettingsWindowsTest, CaseCommandsDoNothingWithoutACaseAndWearShowsItsTexts) {
    Workstation station(config, Recorded());
    station.Start({});
    EXPECT_FALSE(station.frame().Action(command::kPatientData)->isEnabled());
    EXPECT_FALSE(station.frame().Action(command::kSleepPeriod)->isEnabled());
    EXPECT_FALSE(RunWithDialog<QDialog>(station, command::kPatientData, [](QDialog&) {}));
    EXPECT_FALSE(RunWithDialog<QDialog>(station, command::kSleepPeriod, [](QDialog&) {}));

    EXPECT_TRUE(station.frame().Action(command::kWearInstructions)->isEnabled());
    EXPECT_TRUE(station.frame().Action(command::kThresholdSettings)->isEnabled());
    QString text;
    bool pictureEmpty = false;
    EXPECT_TRUE(RunWithDialog<WearDialog>(station, command::kWearInstructions, [&](WearDialog& d) {
        text = d.instructions()->toPlainText();
        pictureEmpty = d.picture()->pixmap().isNull();
    }));
    for (int i = 1; i <= 7; ++i) {
        const std::string key = "IDS_USER_INFO" + std::to_string(i);
        const std::string item = languages.GetText("Dialog Setting", key);
        ASSERT_FALSE(item.empty()) << key;
        EXPECT_TRUE(text.contains(QString::fromStdString(item))) << key;
    }
    EXPECT_TRUE(pictureEmpty);
    EXPECT_TRUE(told.empty());
}

TEST_F(SettingsWindowsTest, DiaryIsOneUndoableEditThatDividesTheCaseAgain) {
    Workstation station(config, Recorded());
    Open(station);
    const Recording& recording = station.doc().recording();
    ASSERT_EQ(recording.analysis.asleepCount, 0);  // 08:00 to 19:45: all awake by the schedule
    EXPECT_TRUE(RunWithDialog<DiaryDialog>(station, command::kDiary, [](DiaryDialog& d) {
        d.AddNight();
        QTableWidget* nights = d.nightTable();
        ASSERT_EQ(nights->rowCount(), 1);
        EXPECT_EQ(nights->item(0, 0)->data(Qt::EditRole).toDate(), QDate(2026, 3, 1));
        nights->item(0, 1)->setData(Qt::EditRole, QTime(7, 0));  // to bed at the get-up time
        d.accept();  // refused: the dialog stays, the night is named
        ASSERT_TRUE(d.isVisible());
        EXPECT_TRUE(d.errorLine()->text().contains("Night 1"))
            << d.errorLine()->text().toStdString();
        nights->item(0, 1)->setData(Qt::EditRole, QTime(18, 0));
        d.AddEvent();
        d.eventTable()->item(0, 0)->setData(Qt::EditRole,
                                            QDateTime(QDate(2026, 3, 1), QTime(9, 15), Qt::UTC));
        d.eventTable()->item(0, 2)->setText("[5 mg]");
        d.accept();
    }));
    EXPECT_EQ(recording.analysis.asleepCount, 8);  // 18:00 to 19:45 in bed by the diary
    ASSERT_EQ(recording.diary.events.size(), 1u);
    EXPECT_EQ(recording.diary.events[0].text, "[5 mg]");
    ASSERT_TRUE(station.doc().Save());
    EXPECT_NE(test::ReadBytes(casePath).find("Night1=2026-03-01 18:00 07:00\r\n"
                                             "Event1=2026-03-01 09:15 medication \\[5 mg]\r\n"),
              std::string::npos);
    ASSERT_TRUE(station.doc().Undo());
    EXPECT_TRUE(recording.diary.empty());
    EXPECT_EQ(recording.analysis.asleepCount, 0);

    // The patient sheet opens the diary too.
    PatientSheetDialog sheet(languages, station.doc().editor().sheet(), Today());
    bool opened = false;
    sheet.OfferDiary([&] { opened = true; })->click();
    EXPECT_TRUE(opened);
}

}  // namespace
}  // namespace vitalis
