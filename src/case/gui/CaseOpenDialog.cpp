#include "case/gui/CaseOpenDialog.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vitalis {

CaseOpenDialog::CaseOpenDialog(const TextSource& texts, CaseFileTable& table, const QString& folder,
                               UserMessages messages, QWidget* parent)
    : CaseListDialog(texts, table, folder, std::move(messages), parent) {
    setWindowTitle(Text("Message Setting", "IDS_SEL_OPENDATA"));
    list()->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list(), &QTreeWidget::itemDoubleClicked, this, [this] { Accept(); });

    auto* search = new QGroupBox(Text("Message Setting", "IDS_SEARCH"), this);
    auto* row = new QHBoxLayout(search);
    byName_ = new QRadioButton(Text("Message Setting", "IDS_PATIENTS_NAMES"), search);
    byId_ = new QRadioButton(Text("Message Setting", "IDS_PATIENTS_ID"), search);
    byDate_ = new QRadioButton(Text("Message Setting", "IDS_BEGIN_TIME"), search);
    byName_->setChecked(true);
    searchField_ = new QLineEdit(search);
    searchField_->setObjectName(QStringLiteral("searchField"));
    dateField_ = new QDateEdit(QDate::currentDate(), search);
    dateField_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateField_->setCalendarPopup(true);
    auto* searchButton = new QPushButton(Text("Message Setting", "IDS_SEARCH"), search);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    for (QWidget* w : std::initializer_list<QWidget*>{byName_, byId_, byDate_, searchField_,
                                                      dateField_, searchButton}) {
        row->addWidget(w);
    }
    layout()->insertWidget(2, search);
    connect(searchButton, &QPushButton::clicked, this, &CaseOpenDialog::Search);
    connect(searchField_, &QLineEdit::returnPressed, this, &CaseOpenDialog::Search);
}

void CaseOpenDialog::Search() {
    CaseSearch by = CaseSearch::ByName;
    if (byId_->isChecked()) by = CaseSearch::ById;
    if (byDate_->isChecked()) by = CaseSearch::ByBeginDate;
    const QString text = searchField_->text();
    if (by != CaseSearch::ByBeginDate && text.isEmpty()) {
        Inform(Text("Dialog Setting", "IDS_SEARCHNULL"));
        searchField_->setFocus();
        return;
    }
    const QDate date = dateField_->date();
    const QString searched = folder();
    const auto rows = SearchCaseFolder(searched.toStdString(), by, text.toStdString(),
                                       {date.year(), date.month(), date.day()});
    ShowRows(rows, searched);
    if (rows.empty()) Inform(Text("Dialog Setting", "IDS_NOCASEFILE"));
}

bool CaseOpenDialog::SelectFile(const QString& path) {
    for (int i = 0; i < list()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list()->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toString() == path) {
            list()->setCurrentItem(item);
            item->setSelected(true);
            return true;
        }
    }
    return false;
}

void CaseOpenDialog::Accept() {
    QTreeWidgetItem* item =
        list()->selectedItems().isEmpty() ? nullptr : list()->selectedItems().front();
    if (item == nullptr) {
        Inform(Text("Global Setting", "IDS_PLEASE_CHOSE"));
        return;
    }
    // The rows must be those of the folder shown: a folder typed over since is listed first.
    if (folder() != listedFolder()) {
        SetFolder(folder());
        return;
    }
    // The row knows the file it was read from: that file, and no other of the same name.
    const std::string path = item->data(0, Qt::UserRole).toString().toStdString();
    if (path.empty()) {
        Inform(Text("Global Setting", "IDS_SYS_ERROR"));
        return;
    }
    if (!IsCompatibleCase(path)) {
        Inform(Text("Global Setting", "IDS_CANNOT_CHECK"));
        return;
    }
    chosenPath_ = QString::fromStdString(path);
    accept();
}

}  // namespace vitalis
