// The File menu's exports of the open case: where they are suggested to go, what they write
// and what the user is told.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/Workstation.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;

class FileExportsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.AddShippedLanguages();
        config.SetApplicationDirectory(folder.path());
        fs::create_directories(folder.File("data"));
        test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 40);
        station.SetExportPath([this](QWidget*, const QString& offered, const QString&) {
            suggested.push_back(offered.toStdString());
            return answer ? QString::fromStdString(*answer) : offered;
        });
        station.Start({});
    }
    bool Enabled(int id) { return station.frame().Action(id)->isEnabled(); }

    test::TempFolder folder;
    LanguageTable languages;
    AppConfigHeron config{languages};
    std::vector<QString> told;
    Workstation station{config,
                        {[this](QWidget*, const QString& t) { told.push_back(t); },
                         [](QWidget*, const QString&) { return true; }}};
    std::string casePath = folder.File("data/2603010800.awp");
    std::vector<std::string> suggested;
    std::optional<std::string> answer;  // none: take the suggestion
};

TEST_F(FileExportsTest, FhirGoesBesideTheCaseAndTheMessageSaysWhere) {
    EXPECT_FALSE(Enabled(command::kExportFhir));
    station.Run(command::kExportFhir);
    EXPECT_TRUE(suggested.empty()) << "nothing is asked without a case";
    ASSERT_TRUE(station.OpenCase(QString::fromStdString(casePath)));
    ASSERT_TRUE(Enabled(command::kExportFhir));

    station.Run(command::kExportFhir);
    const std::string expected = folder.File("data/Ada Lovelace_2026-03-01.json");
    ASSERT_EQ(suggested, std::vector<std::string>{expected});
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].toStdString(), "The FHIR bundle was saved to:\n" + expected);
    const nlohmann::json bundle = nlohmann::json::parse(test::ReadBytes(expected));
    EXPECT_EQ(bundle["resourceType"], "Bundle");
    EXPECT_EQ(bundle["entry"][0]["resource"]["identifier"][0]["value"], "P-0042");

    answer = folder.File("no-such-folder/out.json");
    station.Run(command::kExportFhir);
    EXPECT_NE(told.back().indexOf(QStringLiteral("could not be saved")), -1);
    answer = "";  // cancelled: nothing written, nothing said
    station.Run(command::kExportFhir);
    EXPECT_EQ(told.size(), 2u);
}

TEST_F(FileExportsTest, CsvHasALinePerReadingAndGetsItsExtension) {
    EXPECT_FALSE(Enabled(command::kExportCsv));
    ASSERT_TRUE(station.OpenCase(QString::fromStdString(casePath)));
    ASSERT_TRUE(Enabled(command::kExportCsv));
    answer = folder.File("data/readings");
    station.Run(command::kExportCsv);
    EXPECT_EQ(suggested, std::vector<std::string>{folder.File("data/Ada Lovelace_2026-03-01.csv")});
    const std::string written = folder.File("data/readings.CSV");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].toStdString(), "The readings were exported to:\n" + written);
    const std::string text = test::ReadBytes(written);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 40) << "heading and 40 readings";
}

}  // namespace
}  // namespace vitalis
