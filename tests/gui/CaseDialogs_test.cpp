#include <gtest/gtest.h>
#include <unistd.h>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

#include <filesystem>

#include "case/gui/CaseCopyDialog.h"
#include "case/gui/CaseDeleteDialog.h"
#include "case/gui/CaseOpenDialog.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;
using test::WriteBytes;

class KeyTexts final : public TextSource {
  public:
    std::string Text(std::string_view, std::string_view key) const override {
        if (key == "IDS_ALL_INFO") return "Name,120;ID,80;Test begin,140;File,120;";
        if (key == "IDS_DAMAGED_CASE") return "damaged or not a case file: %1 (%2)";
        if (key == "IDS_DAMAGED_ROW") return "damaged: %1";
        return std::string(key);
    }
};

// Records what the dialog tells the user and answers its questions.
struct Recorder {
    std::vector<QString> told;
    bool answer = true;
    UserMessages messages() {
        return {[this](QWidget*, const QString& text) { told.push_back(text); },
                [this](QWidget*, const QString& text) {
                    told.push_back(text);
                    return answer;
                }};
    }
};

std::string CaseText(const std::string& name, const std::string& address, int year = 2026,
                     int month = 3, int day = 1) {
    return "[PATIENT DATA]\r\nName=" + name + "\r\nID=ID-" + name +
           "\r\nTest Count=1\r\nBTH_ADDR=" + address +
           "\r\n[TEST 1]\r\nYearBegin=" + std::to_string(year) +
           "\r\nMonthBegin=" + std::to_string(month) + "\r\nDayBegin=" + std::to_string(day) +
           "\r\nHourBegin=8\r\nMinBegin=5\r\nCount=0\r\n";
}

int VisibleRows(QTreeWidget* list) {
    int shown = 0;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        shown += list->topLevelItem(i)->isHidden() ? 0 : 1;
    return shown;
}

class CaseDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(folder.File("ada.awp"), CaseText("Ada", "000000000101"));
        WriteBytes(folder.File("bob.awp"), CaseText("Bob", "0000000003FF"));  // no monitor of ours
    }
    QTreeWidgetItem* Row(QTreeWidget* list, const QString& name) {
        const auto found = list->findItems(name, Qt::MatchExactly, 0);
        return found.isEmpty() ? nullptr : found.front();
    }
    TempFolder folder;
    KeyTexts texts;
    CaseFileTable table;
    Recorder recorder;
};

TEST_F(CaseDialogsTest, OpenChecksSelectionAndCompatibility) {
    CaseOpenDialog dialog(texts, table, QString::fromStdString(folder.path()), recorder.messages());
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.list()->headerItem()->text(2), QStringLiteral("Test begin"));
    dialog.list()->clearSelection();
    emit dialog.buttons()->accepted();
    ASSERT_EQ(recorder.told.size(), 1u);
    EXPECT_EQ(recorder.told.back(), QStringLiteral("IDS_PLEASE_CHOSE"));

    Row(dialog.list(), "Bob")->setSelected(true);
    emit dialog.buttons()->accepted();
    EXPECT_EQ(recorder.told.back(), QStringLiteral("IDS_CANNOT_CHECK"));
    EXPECT_TRUE(dialog.chosenPath().isEmpty());

    dialog.list()->clearSelection();
    Row(dialog.list(), "Ada")->setSelected(true);
    emit dialog.buttons()->accepted();
    EXPECT_EQ(dialog.chosenPath(), QString::fromStdString(folder.File("ada.awp")));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(CaseDialogsTest, OpenTakesTheSelectedRowsOwnFileFromTheFolderShown) {
    // Another folder holds a file of the same name for another patient.
    TempFolder other;
    WriteBytes(other.File("ada.awp"), CaseText("Eve", "000000000101"));
    CaseOpenDialog dialog(texts, table, QString::fromStdString(folder.path()), recorder.messages());
    dialog.folderField()->setText(QString::fromStdString(other.path()));  // typed, no Return
    dialog.searchField()->setText(QStringLiteral("Eve"));
    dialog.Search();
    ASSERT_EQ(dialog.list()->topLevelItemCount(), 1);
    dialog.list()->topLevelItem(0)->setSelected(true);
    emit dialog.buttons()->accepted();
    EXPECT_EQ(dialog.chosenPath(), QString::fromStdString(other.File("ada.awp")));

    // A folder typed over after listing is listed first; OK then opens nothing yet.
    CaseOpenDialog typed(texts, table, QString::fromStdString(folder.path()), recorder.messages());
    Row(typed.list(), "Ada")->setSelected(true);
    typed.folderField()->setText(QString::fromStdString(other.path()));
    emit typed.buttons()->accepted();
    EXPECT_TRUE(typed.chosenPath().isEmpty());
    ASSERT_EQ(typed.list()->topLevelItemCount(), 1);
    EXPECT_EQ(typed.list()->topLevelItem(0)->text(0), QStringLiteral("Eve"));
}

TEST_F(CaseDialogsTest, ReturnInAFieldRunsItsActionNotOk) {
    TempFolder other;
    WriteBytes(other.File("eve.awp"), CaseText("Eve", "000000000101"));
    CaseOpenDialog dialog(texts, table, QString::fromStdString(folder.path()), recorder.messages());
    dialog.show();
    Row(dialog.list(), "Ada")->setSelected(true);
    const auto pressReturn = [](QWidget* field) {
        field->setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(field, &press);
    };
    dialog.folderField()->setText(QString::fromStdString(other.path()));
    pressReturn(dialog.folderField());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.chosenPath().isEmpty());
    ASSERT_EQ(dialog.list()->topLevelItemCount(), 1);  // the typed folder is listed
    dialog.list()->topLevelItem(0)->setSelected(true);
    dialog.searchField()->setText(QStringLiteral("Nobody"));
    pressReturn(dialog.searchField());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.chosenPath().isEmpty());
    EXPECT_EQ(VisibleRows(dialog.list()), 0);  // the search ran
    ASSERT_FALSE(recorder.told.empty());
    EXPECT_EQ(recorder.told.back(), QStringLiteral("IDS_NOCASEFILE"));
}

void PressKey(QWidget* widget, Qt::Key key) {
    widget->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// The patient list: month folders included, latest test first, sorted by any column, found
// by name or identifier in any letter case, and Return opens exactly the selected row.
TEST_F(CaseDialogsTest, PatientListSortsSearchesAndOpensTheSelectedRow) {
    std::filesystem::create_directories(folder.File("2026/4"));
    WriteBytes(folder.File("2026/4/4.awp"), CaseText("Carla", "000000000101", 2026, 4, 2));
    WriteBytes(folder.File("2025.awp"), CaseText("Dora", "000000000101", 2025, 12, 30));
    WriteBytes(folder.File("junk.awp"), "\x01\x02 not a case");
    CaseOpenDialog dialog(texts, table, QString::fromStdString(folder.path()), recorder.messages());
    dialog.show();
    QTreeWidget* list = dialog.list();
    ASSERT_EQ(list->topLevelItemCount(), 5);
    EXPECT_EQ(list->headerItem()->text(3), QStringLiteral("IDS_RECORDING_COUNT"));
    // Latest first, by time (a text order would put 30-12-2025 first), the damaged row last.
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("Carla"));
    EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral("02-04-2026 08:05"));
    EXPECT_EQ(list->topLevelItem(0)->text(4), QStringLiteral("2026/4/4.awp"));
    EXPECT_EQ(list->topLevelItem(3)->text(0), QStringLiteral("Dora"));
    EXPECT_EQ(list->topLevelItem(4)->text(2), QStringLiteral("damaged: IDS_FAULT_NOT_CASE"));
    EXPECT_TRUE(list->topLevelItem(0)->isSelected());  // Return opens the latest at once
    list->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("Ada"));

    // Typing filters: name or identifier, any letter case.
    dialog.searchField()->setText(QStringLiteral("cARL"));
    EXPECT_EQ(VisibleRows(list), 1);
    dialog.searchField()->setText(QStringLiteral("id-do"));
    EXPECT_EQ(VisibleRows(list), 1);
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().front()->text(0), QStringLiteral("Dora"));
    dialog.searchField()->clear();
    EXPECT_EQ(VisibleRows(list), 5);

    // Arrow keys from the search field select; Return in the list opens that row's file.
    dialog.SelectFile(QString::fromStdString(folder.File("ada.awp")));
    PressKey(dialog.searchField(), Qt::Key_Down);
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().front()->text(0), QStringLiteral("Bob"));
    PressKey(dialog.searchField(), Qt::Key_Down);  // Carla
    PressKey(list, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenPath(), QString::fromStdString(folder.File("2026/4/4.awp")));
}

TEST_F(CaseDialogsTest, ADamagedFileIsRefusedWithTheReason) {
    WriteBytes(folder.File("empty.awp"), "");
    CaseOpenDialog dialog(texts, table, QString::fromStdString(folder.path()), recorder.messages());
    ASSERT_TRUE(dialog.SelectFile(QString::fromStdString(folder.File("empty.awp"))));
    emit dialog.buttons()->accepted();
    ASSERT_FALSE(recorder.told.empty());
    EXPECT_EQ(recorder.told.back(),
              QStringLiteral("damaged or not a case file: empty.awp (IDS_FAULT_EMPTY)"));
    EXPECT_TRUE(dialog.chosenPath().isEmpty());
}

TEST_F(CaseDialogsTest, DeleteSparesTheOpenCase) {
    CaseDeleteDialog dialog(texts, table, QString::fromStdString(folder.path()),
                            recorder.messages(), QString::fromStdString(folder.File("ada.awp")));
    dialog.list()->selectAll();
    recorder.answer = false;
    emit dialog.buttons()->accepted();
    // The question names every file it would delete.
    EXPECT_TRUE(recorder.told.back().startsWith(QStringLiteral("IDS_DELETE\n")));
    EXPECT_TRUE(recorder.told.back().contains(QString::fromStdString(folder.File("ada.awp"))));
    EXPECT_TRUE(recorder.told.back().contains(QString::fromStdString(folder.File("bob.awp"))));
    EXPECT_EQ(access(folder.File("bob.awp").c_str(), F_OK), 0);

    recorder.answer = true;
    emit dialog.buttons()->accepted();
    EXPECT_EQ(recorder.told.back(), QStringLiteral("IDS_UNABLE_DEL\r\n") +
                                        QString::fromStdString(folder.File("ada.awp")));
    EXPECT_EQ(access(folder.File("ada.awp").c_str(), F_OK), 0);
    EXPECT_NE(access(folder.File("bob.awp").c_str(), F_OK), 0);
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 1);
}

TEST_F(CaseDialogsTest, CopyIntoTheChosenFolder) {
    TempFolder target;
    CaseCopyDialog dialog(texts, table, QString::fromStdString(folder.path()), recorder.messages(),
                          [&](QWidget*) { return QString::fromStdString(target.path()); });
    dialog.list()->selectAll();
    emit dialog.buttons()->accepted();
    EXPECT_EQ(access(target.File("ada.awp").c_str(), F_OK), 0);
    EXPECT_EQ(access(target.File("bob.awp").c_str(), F_OK), 0);
    EXPECT_TRUE(recorder.told.empty());
}

}  // namespace
}  // namespace vitalis
