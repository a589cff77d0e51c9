// The diary dialog driven as a user drives it: by keys in its tables.
#include "shell/gui/DiaryDialog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimeEdit>

#include "case/ReadingColumns.h"
#include "shell/LanguageTable.h"

namespace vitalis {
namespace {

void Key(QWidget* target, int key, const QString& text = {}) {
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void Type(QWidget* target, const QString& digits) {
    for (const QChar c : digits) Key(target, Qt::Key_0 + (c.unicode() - '0'), c);
}

// The editor open on the table's current cell.
template <typename Editor>
Editor* EditorOf(const QTableWidget* table) {
    return qobject_cast<Editor*>(table->indexWidget(table->currentIndex()));
}

QString Shown(const QTableWidget* table, int row, int column) {
    const QModelIndex index = table->model()->index(row, column);
    const auto* delegate = qobject_cast<QStyledItemDelegate*>(table->itemDelegateForIndex(index));
    return delegate ? delegate->displayText(index.data(), QLocale()) : QString();
}

class DiaryDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        texts.ScanLanguages(texts.LanguageFolder());
        texts.SelectLanguageFile("English");
        ASSERT_TRUE(texts.LoadLanguage());
        diary.nights.push_back({{2026, 3, 7}, 22 * 60 + 30, 6 * 60 + 45});
        diary.events.push_back({{2026, 3, 8, 8, 5}, DiaryEventKind::Medication, "5 mg"});
    }
    LanguageTable texts{std::string(VITALIS_SOURCE_DIR) + "/res"};
    Diary diary;
};

// The date form of the measurement list and the patient list, in the tables and in the
// editors that open on F2 or a typed digit.
TEST_F(DiaryDialogTest, DatesShowAndAreEditedInTheWorkstationsForm) {
    DiaryDialog dialog(texts, diary, {2026, 3, 7}, 22 * 60, 7 * 60);
    dialog.show();
    QApplication::setActiveWindow(&dialog);  // so that an editor takes the focus as it opens
    QTableWidget* nights = dialog.nightTable();
    QTableWidget* events = dialog.eventTable();
    Measurement m;
    m.year = 2026, m.month = 3, m.day = 7;
    EXPECT_EQ(Shown(nights, 0, 0).toStdString(), DateText(m));
    EXPECT_EQ(Shown(nights, 0, 1), QStringLiteral("22:30"));
    EXPECT_EQ(Shown(events, 0, 0), QStringLiteral("08-03-2026 08:05"));
    EXPECT_EQ(Shown(events, 0, 1), QStringLiteral("Medication"));

    nights->setFocus();
    nights->setCurrentCell(0, 0);
    Key(nights, Qt::Key_F2);
    auto* date = EditorOf<QDateEdit>(nights);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->displayFormat(), QStringLiteral("dd-MM-yyyy"));
    EXPECT_EQ(date->text(), QStringLiteral("07-03-2026"));
    Key(date, Qt::Key_Escape);

    // A digit opens the time editor and goes into it; Return takes the time.
    nights->setCurrentCell(0, 1);
    Key(nights, Qt::Key_2, QStringLiteral("2"));
    auto* clock = EditorOf<QTimeEdit>(nights);
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->displayFormat(), QStringLiteral("HH:mm"));
    Type(QApplication::focusWidget(), QStringLiteral("315"));
    EXPECT_EQ(clock->time(), QTime(23, 15)) << clock->text().toStdString();
    Key(clock, Qt::Key_Return);
    QApplication::processEvents();  // the editor is closed and its value taken once queued
    EXPECT_EQ(nights->item(0, 1)->data(Qt::EditRole).toTime(), QTime(23, 15));

    events->setFocus();
    events->setCurrentCell(0, 1);
    Key(events, Qt::Key_F2);
    auto* kind = EditorOf<QComboBox>(events);
    ASSERT_NE(kind, nullptr);
    Key(kind, Qt::Key_Down);
    Key(kind, Qt::Key_Down);
    Key(kind, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Shown(events, 0, 1), QStringLiteral("Activity"));

    const auto result = dialog.Result();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->nights[0], (DiaryNight{{2026, 3, 7}, 23 * 60 + 15, 6 * 60 + 45}));
    EXPECT_EQ(result->events[0],
              (DiaryEvent{{2026, 3, 8, 8, 5}, DiaryEventKind::Activity, "5 mg"}));
}

TEST_F(DiaryDialogTest, InsertAndDeleteAddAndRemoveRowsOfTheTableWithTheFocus) {
    DiaryDialog dialog(texts, diary, {2026, 3, 7}, 22 * 60, 7 * 60);
    dialog.show();
    QTableWidget* nights = dialog.nightTable();
    nights->setFocus();
    Key(nights, Qt::Key_Insert);
    ASSERT_EQ(nights->rowCount(), 2);
    EXPECT_EQ(Shown(nights, 1, 0), QStringLiteral("08-03-2026"));  // the evening after
    EXPECT_EQ(Shown(nights, 1, 1), QStringLiteral("22:00"));       // the schedule's times
    EXPECT_EQ(Shown(nights, 1, 2), QStringLiteral("07:00"));
    nights->setCurrentCell(0, 0);
    Key(nights, Qt::Key_Delete);
    ASSERT_EQ(nights->rowCount(), 1);
    EXPECT_EQ(Shown(nights, 0, 0), QStringLiteral("08-03-2026"));
    Key(dialog.eventTable(), Qt::Key_Insert);
    EXPECT_EQ(dialog.eventTable()->rowCount(), 2);
}

// Nights that cannot be meant as entered keep the dialog open with the reason, the night at
// fault selected.
TEST_F(DiaryDialogTest, NightsThatCannotBeMeantAreRefusedWithTheReason) {
    DiaryDialog dialog(texts, diary, {2026, 3, 7}, 22 * 60, 7 * 60);
    dialog.show();
    QTableWidget* nights = dialog.nightTable();
    dialog.AddNight();
    dialog.AddNight();
    // To bed 07:00, up 23:00: the two times swapped.
    nights->item(1, 1)->setData(Qt::EditRole, QTime(7, 0));
    nights->item(1, 2)->setData(Qt::EditRole, QTime(23, 0));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.errorLine()->text().toStdString(),
              "Night 2: to bed at 07:00 and up at 23:00 makes 16 h in bed. A bed time before noon "
              "counts as after midnight: check whether the two times are swapped.");
    EXPECT_EQ(nights->currentRow(), 1);

    nights->item(1, 1)->setData(Qt::EditRole, QTime(23, 0));
    nights->item(1, 2)->setData(Qt::EditRole, QTime(7, 0));
    nights->item(2, 0)->setData(Qt::EditRole, QDate(2026, 3, 7));
    EXPECT_FALSE(dialog.Result());
    EXPECT_EQ(dialog.errorLine()->text().toStdString(),
              "Night 3 is the evening of 07-03-2026, like night 1: enter each night once.");
    EXPECT_EQ(nights->currentRow(), 2);

    // Up at 12:30 on the 9th, and the next night in bed from noon the same day.
    nights->item(1, 2)->setData(Qt::EditRole, QTime(12, 30));
    nights->item(2, 0)->setData(Qt::EditRole, QDate(2026, 3, 9));
    nights->item(2, 1)->setData(Qt::EditRole, QTime(12, 0));
    nights->item(2, 2)->setData(Qt::EditRole, QTime(13, 0));
    EXPECT_FALSE(dialog.Result());
    EXPECT_EQ(dialog.errorLine()->text().toStdString(),
              "Night 3 begins before night 2 ends: check the evenings and times of both.");

    nights->item(2, 1)->setData(Qt::EditRole, QTime(23, 30));
    nights->item(2, 2)->setData(Qt::EditRole, QTime(7, 0));
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.errorLine()->text().isEmpty());
    ASSERT_EQ(dialog.diary().nights.size(), 3u);
    EXPECT_EQ(dialog.diary().nights[2], (DiaryNight{{2026, 3, 9}, 23 * 60 + 30, 7 * 60}));
}

}  // namespace
}  // namespace vitalis
