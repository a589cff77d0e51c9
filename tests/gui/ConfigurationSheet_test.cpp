#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "shell/AppConfig.h"
#include "shell/gui/ConfigurationSheet.h"
#include "shell/gui/LayoutEditorDialog.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

class SheetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        config.SetApplicationDirectory(app.path());
        config.Load();
        config.LoadReports();
    }
    UserMessages Recorded() {
        return {[this](QWidget*, const QString& t) { told.push_back(t); },
                [this](QWidget*, const QString& t) {
                    told.push_back(t);
                    return answer;
                }};
    }
    test::TempFolder app;
    LanguageTable languages{app.path()};
    AppConfigHeron config{languages};
    test::KeyTexts texts;
    std::vector<QString> told;
    bool answer = true;
};

TEST_F(SheetTest, CaseFolderPageFollowsTheDefaultBox) {
    ConfigurationSheet sheet(config, texts, Recorded());
    EXPECT_TRUE(sheet.defaultFolderBox()->isChecked());
    EXPECT_FALSE(sheet.folderField()->isEnabled());
    sheet.defaultFolderBox()->setChecked(false);
    sheet.folderField()->setText(QString::fromStdString(app.File("elsewhere")));
    sheet.accept();
    EXPECT_EQ(config.useDefaultPath, 0);
    EXPECT_EQ(config.caseFolder, app.File("elsewhere"));

    ConfigurationSheet again(config, texts, Recorded());
    again.defaultFolderBox()->setChecked(true);
    EXPECT_EQ(again.folderField()->text(), QString::fromStdString(config.DefaultCaseFolder()));
    again.accept();
    EXPECT_EQ(config.useDefaultPath, 1);
    EXPECT_EQ(config.caseFolder, config.DefaultCaseFolder());
}

TEST_F(SheetTest, LayoutEditorRefusesNoPagesEmptyAndTakenNames) {
    LayoutEditorDialog editor(texts, ReportLayout::Defaults(), QString(), true, {"Clinic"},
                              Recorded());
    editor.accept();
    EXPECT_EQ(told.back(), QStringLiteral("ZuzodIriz:IDS_SPECIFY_FILE"));
    editor.nameField()->setText(QStringLiteral(" clinic "));
    editor.accept();
    EXPECT_EQ(told.back(), QStringLiteral("ZuzodIriz:IDS_DUPLICATE_FORMAT"));
    for (int i = 0; i < kEditablePageCount; ++i) editor.pageBox(i)->setChecked(false);
    editor.nameField()->setText(QStringLiteral("Short"));
    // A clinical page alone is a report.
    ASSERT_TRUE(editor.clinicalPageBox(kClinicalSummaryPage)->isChecked());
    editor.clinicalPageBox(kClinicalSummaryPage)->setChecked(false);
    editor.clinicalPageBox(kHourlyMeansPage)->setChecked(false);
    editor.accept();
    EXPECT_EQ(told.back(), QStringLiteral("ZuzodIriz:IDS_REPOET_PAGE"));
    editor.clinicalPageBox(kHourlyMeansPage)->setChecked(true);
    editor.accept();
    EXPECT_EQ(editor.layout().clinicalPages, (std::array<int, 2>{0, 1}));
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    editor.setResult(QDialog::Rejected);
    editor.clinicalPageBox(kHourlyMeansPage)->setChecked(false);
    editor.pageBox(1)->setChecked(true);
    editor.titleField()->setText(QStringLiteral("Summary only"));
    editor.accept();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(editor.name(), "Short");
    EXPECT_EQ(editor.layout().title, "Summary only");
    EXPECT_EQ(editor.layout().pages[1], 1);
    EXPECT_EQ(editor.layout().pages[0], 0);
}

TEST_F(SheetTest, ChosenLayoutBecomesCurrentAndDeleteAsksFirst) {
    config.reports.edited = ReportLayout::Defaults();
    ASSERT_TRUE(config.AddReportSection("Clinic"));
    ASSERT_TRUE(config.SaveReportSection("Clinic"));
    ConfigurationSheet sheet(config, texts, Recorded());
    sheet.ShowPage(ConfigurationSheet::kReportPage);
    ASSERT_EQ(sheet.layoutList()->count(), 1);
    sheet.layoutList()->setCurrentIndex(0);
    answer = false;
    sheet.DeleteLayout();
    EXPECT_EQ(told.back(), QStringLiteral("Global Setting:IDS_SURE_DELE"));
    EXPECT_EQ(sheet.layoutList()->count(), 1);
    sheet.accept();
    EXPECT_EQ(config.reports.currentName, "Clinic");

    ConfigurationSheet again(config, texts, Recorded());
    answer = true;
    again.DeleteLayout();
    EXPECT_EQ(again.layoutList()->count(), 0);
    EXPECT_TRUE(config.reports.names.empty());
    again.EditLayout();
    EXPECT_EQ(told.back(), QStringLiteral("Global Setting:IDS_NAME_EMPTY"));
}

}  // namespace
}  // namespace vitalis
