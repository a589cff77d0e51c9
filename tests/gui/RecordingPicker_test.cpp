#include <gtest/gtest.h>
#include <QApplication>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>
#include <functional>

#include "case/gui/RecordingPickerDialog.h"
#include "shell/AppConfig.h"
#include "shell/LanguageChoice.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/Workstation.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;

const ClockTime kFirst{2026, 3, 2, 20, 0};
const ClockTime kSecond{2026, 3, 12, 19, 0};

class RecordingPickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.AddShippedLanguages();
        config.SetApplicationDirectory(folder.path());
        fs::create_directories(folder.File("cases/2026"));
    }
    UserMessages Recorded() {
        return {[this](QWidget*, const QString& text) { told.push_back(text); },
                [this](QWidget*, const QString& text) {
                    told.push_back(text);
                    return true;
                }};
    }
    // A month's file holding two overnight tests ten days apart: 60 and 50 readings.
    std::string MonthFile() {
        const std::string path = folder.File("cases/2026/3.awp");
        std::vector<Measurement> readings = test::SampleReadings(kFirst, 60);
        const int shift = static_cast<int>(MinutesOf(kSecond) - MinutesOf(kFirst));
        for (Measurement m : test::SampleReadings(kSecond, 50)) {
            m.index += 60;
            m.offsetMinutes += shift;
            readings.push_back(m);
        }
        WriteReadings(path, readings, NoTexts());
        WriteHeader(path, test::SampleHeader(kFirst));
        return path;
    }
    // Answers the next picker that opens: `pick` chooses the row, then OK or Cancel.
    void AnswerPicker(std::function<void(QTreeWidget*)> pick, bool accept) {
        QTimer::singleShot(0, [this, pick, accept] {
            auto* picker = qobject_cast<RecordingPickerDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            rowsShown = picker->list()->topLevelItemCount();
            firstRow = picker->list()->topLevelItem(0)->text(0);
            pick(picker->list());
            accept ? picker->accept() : picker->reject();
        });
    }

    test::TempFolder folder;
    LanguageTable languages;
    AppConfigHeron config{languages};
    std::vector<QString> told;
    int rowsShown = 0;
    QString firstRow;
};

TEST_F(RecordingPickerTest, TheLatestTestOfAMonthsFileOpensDividedIntoAwakeAndAsleep) {
    Workstation station(config, Recorded());
    station.Start({});
    AnswerPicker([](QTreeWidget*) {}, true);  // the row offered first
    ASSERT_TRUE(station.OpenCase(QString::fromStdString(MonthFile())));
    EXPECT_EQ(rowsShown, 3);  // two tests and the whole file
    EXPECT_EQ(firstRow, QStringLiteral("12-03-2026 19:00"));
    const Recording& open = station.doc().recording();
    EXPECT_EQ(open.allMeasurements().size(), 50u);
    EXPECT_EQ(open.testBegin, kSecond);
    EXPECT_FALSE(open.multiDay);
    EXPECT_GT(open.analysis.awakeCount, 0);
    EXPECT_GT(open.analysis.asleepCount, 0);
    EXPECT_TRUE(told.empty());
}

TEST_F(RecordingPickerTest, TheWholeFileCanStillBeOpenedAsItIs) {
    Workstation station(config, Recorded());
    station.Start({});
    AnswerPicker([](QTreeWidget* list) { list->setCurrentItem(list->topLevelItem(2)); }, true);
    ASSERT_TRUE(station.OpenCase(QString::fromStdString(MonthFile())));
    EXPECT_EQ(station.doc().recording().allMeasurements().size(), 110u);
    EXPECT_TRUE(station.doc().recording().multiDay);
}

TEST_F(RecordingPickerTest, CancellingKeepsTheOpenCaseAndSaysNothing) {
    const std::string single = folder.File("cases/2603010800.awp");
    test::WriteSampleCase(single, {2026, 3, 1, 8, 0}, 20);
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(single)});
    ASSERT_TRUE(station.doc().caseOpen());
    AnswerPicker([](QTreeWidget*) {}, false);
    EXPECT_FALSE(station.OpenCase(QString::fromStdString(MonthFile())));
    EXPECT_TRUE(station.doc().caseOpen());
    EXPECT_EQ(station.doc().recording().casePath, single);
    EXPECT_TRUE(told.empty());
}

}  // namespace
}  // namespace vitalis
