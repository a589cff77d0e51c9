#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "case/ProfileStore.h"

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

// A key pressed and released on a widget.
void Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

// The editor's second tab: its texts, the choices of the layout it opens, and keyboard access.
TEST_F(SheetTest, LayoutEditorGraphTabShowsTheLayoutsChoices) {
    ReportLayout layout = ReportLayout::Defaults();
    layout.graph = {GraphType::Strip, true, 48};
    LayoutEditorDialog editor(texts, layout, QStringLiteral("Clinic"), false, {"Clinic"},
                              Recorded());
    ASSERT_EQ(editor.tabs()->count(), 2);
    EXPECT_EQ(editor.tabs()->tabText(1), QStringLiteral("Case Setting:IDS_GRAPH"));
    EXPECT_EQ(editor.graphTypeButton(GraphType::Line)->text(),
              QStringLiteral("Case Setting:IDS_LINE_GRAPH"));
    EXPECT_EQ(editor.sameDisplayBox()->text(), QStringLiteral("Case Setting:IDS_SAME_DISPLAY"));
    EXPECT_EQ(editor.scaleButton(3)->text(), QStringLiteral("Case Setting:IDS_HOURS52"));
    EXPECT_EQ(editor.scaleButton(4)->text(), QStringLiteral("Case Setting:IDS_AUTOMATIC"));
    EXPECT_TRUE(editor.graphTypeButton(GraphType::Strip)->isChecked());
    EXPECT_FALSE(editor.graphTypeButton(GraphType::Line)->isChecked());
    EXPECT_TRUE(editor.sameDisplayBox()->isChecked());
    EXPECT_TRUE(editor.scaleButton(2)->isChecked());
    for (size_t i : {0u, 1u, 3u, 4u}) EXPECT_FALSE(editor.scaleButton(i)->isChecked()) << i;
    EXPECT_TRUE(LayoutEditorDialog(texts, ReportLayout::Defaults(), {}, true, {}, Recorded())
                    .scaleButton(4)
                    ->isChecked());

    // Ctrl+Tab reaches the tab, the arrow keys choose within a group.
    editor.show();
    QApplication::setActiveWindow(&editor);
    Key(editor.tabs(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(editor.tabs()->currentIndex(), 1);
    editor.scaleButton(2)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), editor.scaleButton(2));
    Key(editor.scaleButton(2), Qt::Key_Down);
    EXPECT_TRUE(editor.scaleButton(3)->isChecked());
    EXPECT_FALSE(editor.scaleButton(2)->isChecked());
    Key(editor.sameDisplayBox(), Qt::Key_Space);
    EXPECT_FALSE(editor.sameDisplayBox()->isChecked());
    editor.accept();
    EXPECT_EQ(editor.layout().graph, (ReportGraphOptions{GraphType::Strip, false, 72}));
}

// The editor the sheet opens is answered by `answer`, then closed by the Return key (OK)
// or the Escape key (Cancel), as the user would.
void AnswerEditor(std::function<void(LayoutEditorDialog&)> answer, Qt::Key close) {
    QTimer::singleShot(0, [answer, close] {
        auto* editor = qobject_cast<LayoutEditorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        answer(*editor);
        Key(editor, close);
        if (editor->isVisible()) editor->reject();  // never leave the test hanging
    });
}

TEST_F(SheetTest, GraphChoicesAreStoredThroughOkAndIgnoredOnCancel) {
    config.reports.edited = ReportLayout::Defaults();
    ASSERT_TRUE(config.AddReportSection("Clinic"));
    ASSERT_TRUE(config.SaveReportSection("Clinic"));
    ASSERT_TRUE(config.SetCurReportSettings("Clinic"));
    const auto stored = [this](std::string_view key) {
        return ProfileStore(config.ReportFilePath(), ProfileOpen::ExistingOnly)
            .GetInt("Clinic", key, -1);
    };
    ConfigurationSheet sheet(config, texts, Recorded());
    sheet.layoutList()->setCurrentIndex(0);
    AnswerEditor(
        [](LayoutEditorDialog& editor) {
            editor.tabs()->setCurrentIndex(1);
            editor.graphTypeButton(GraphType::Strip)->click();
            editor.sameDisplayBox()->click();
            editor.scaleButton(0)->click();
        },
        Qt::Key_Return);
    sheet.EditLayout();
    EXPECT_EQ(stored("Graph Type"), 1);
    EXPECT_EQ(stored("Same Display"), 1);
    EXPECT_EQ(stored("Graph Scale"), 12);
    EXPECT_EQ(config.reports.current.graph, (ReportGraphOptions{GraphType::Strip, true, 12}));

    AnswerEditor(
        [](LayoutEditorDialog& editor) {
            EXPECT_TRUE(editor.scaleButton(0)->isChecked());  // opened with what was stored
            editor.graphTypeButton(GraphType::Line)->click();
            editor.sameDisplayBox()->click();
            editor.scaleButton(4)->click();
        },
        Qt::Key_Escape);
    sheet.EditLayout();
    EXPECT_EQ(stored("Graph Type"), 1);
    EXPECT_EQ(stored("Same Display"), 1);
    EXPECT_EQ(stored("Graph Scale"), 12);
    EXPECT_EQ(config.reports.current.graph, (ReportGraphOptions{GraphType::Strip, true, 12}));
    EXPECT_TRUE(told.empty());
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
