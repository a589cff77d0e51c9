#include "shell/gui/DiaryCellEditors.h"

#include <QComboBox>
#include <QDateTime>
#include <QDateTimeEdit>

namespace vitalis {
namespace {

QString DateTimeForm() {
    return QStringLiteral("%1 %2").arg(QLatin1String(kShownDateForm),
                                       QLatin1String(kShownClockForm));
}

}  // namespace

QString DiaryTimeDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    switch (value.typeId()) {
        case QMetaType::QDate:
            return value.toDate().toString(QLatin1String(kShownDateForm));
        case QMetaType::QTime:
            return value.toTime().toString(QLatin1String(kShownClockForm));
        case QMetaType::QDateTime:
            return value.toDateTime().toString(DateTimeForm());
        default:
            return QStyledItemDelegate::displayText(value, locale);
    }
}

QWidget* DiaryTimeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    auto* edit = qobject_cast<QDateTimeEdit*>(editor);
    if (edit == nullptr) return editor;
    switch (index.data(Qt::EditRole).typeId()) {
        case QMetaType::QDate:
            edit->setDisplayFormat(QLatin1String(kShownDateForm));
            edit->setCalendarPopup(true);
            break;
        case QMetaType::QTime:
            edit->setDisplayFormat(QLatin1String(kShownClockForm));
            break;
        default:
            // A diary time is the clock on the wall: no daylight-saving gap may shift it.
            edit->setTimeSpec(Qt::UTC);
            edit->setDisplayFormat(DateTimeForm());
            edit->setCalendarPopup(true);
    }
    // Typing moves on to the next field by itself, so "2315" reads as 23:15.
    edit->setCurrentSectionIndex(0);
    return editor;
}

DiaryKindDelegate::DiaryKindDelegate(QStringList names, QObject* parent)
    : QStyledItemDelegate(parent), names_(std::move(names)) {}

QWidget* DiaryKindDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex&) const {
    auto* list = new QComboBox(parent);
    list->addItems(names_);
    return list;
}

void DiaryKindDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::UserRole).toInt());
}

void DiaryKindDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    const auto* list = static_cast<QComboBox*>(editor);
    model->setData(index, list->currentIndex(), Qt::UserRole);
    model->setData(index, list->currentText(), Qt::EditRole);
}

}  // namespace vitalis
