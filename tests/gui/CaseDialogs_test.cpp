#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <unistd.h>

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

std::string CaseText(const std::string& name, const std::string& address) {
    return "[PATIENT DATA]\r\nName=" + name + "\r\nID=ID-" + name + "\r\nTest Count=1\r\nBTH_ADDR=" +
           address + "\r\n[TEST 1]\r\nTestBeginDate=1/3/2026 8:05\r\nYearBegin=2026\r\n"
           "MonthBegin=3\r\nDayBegin=1\r\nHourBegin=8\r\nMinBegin=5\r\nCount=0\r\n";
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
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 0);  // the search ran
    EXPECT_EQ(recorder.told.back(), QStringLiteral("IDS_NOCASEFILE"));
}

TEST_F(CaseDialogsTest, OpenSearchesByNameIdAndDate) {
    CaseOpenDialog dialog(texts, table, QString::fromStdString(folder.path()), recorder.messages());
    dialog.Search();  // empty text
    EXPECT_EQ(recorder.told.back(), QStringLiteral("IDS_SEARCHNULL"));
    dialog.searchField()->setText(QStringLiteral("Bo"));
    dialog.Search();
    ASSERT_EQ(dialog.list()->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.list()->topLevelItem(0)->text(0), QStringLiteral("Bob"));
    dialog.searchField()->setText(QStringLiteral("bo"));
    dialog.Search();
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 0);
    EXPECT_EQ(recorder.told.back(), QStringLiteral("IDS_NOCASEFILE"));
    dialog.byId()->setChecked(true);
    dialog.searchField()->setText(QStringLiteral("ID-Ada"));
    dialog.Search();
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 1);
    dialog.byDate()->setChecked(true);
    dialog.dateField()->setDate(QDate(2026, 3, 1));
    dialog.Search();
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 2);
}

TEST_F(CaseDialogsTest, DeleteSparesTheOpenCase) {
    CaseDeleteDialog dialog(texts, table, QString::fromStdString(folder.path()), recorder.messages(),
                            QString::fromStdString(folder.File("ada.awp")));
    dialog.list()->selectAll();
    recorder.answer = false;
    emit dialog.buttons()->accepted();
    EXPECT_EQ(recorder.told.back(), QStringLiteral("IDS_DELETE"));
    EXPECT_EQ(access(folder.File("bob.awp").c_str(), F_OK), 0);

    recorder.answer = true;
    emit dialog.buttons()->accepted();
    EXPECT_EQ(recorder.told.back(),
              QStringLiteral("IDS_UNABLE_DEL\r\n") + QString::fromStdString(folder.File("ada.awp")));
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
