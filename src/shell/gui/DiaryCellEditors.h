#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

namespace vitalis {

// The date form of the whole workstation (the patient list, the measurement list, the
// report): "07-12-2026"; and the clock form "22:30".
inline constexpr const char* kShownDateForm = "dd-MM-yyyy";
inline constexpr const char* kShownClockForm = "HH:mm";

// Shows a diary cell holding a QDate, QTime or QDateTime in the workstation's forms and edits
// it with a date, time or date-and-time editor in the same form, so that only a real date or
// time can be entered. Other cells are shown and edited as text.
class DiaryTimeDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

// Edits an event's kind with a list of the kinds; the cell holds the kind's position in
// Qt::UserRole and its name as the text.
class DiaryKindDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    DiaryKindDelegate(QStringList names, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    QStringList names_;
};

}  // namespace vitalis
