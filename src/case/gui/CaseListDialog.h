#pragma once

#include <QDialog>
#include <QString>
#include <string_view>
#include <vector>

#include "case/CaseFolder.h"
#include "case/TextSource.h"
#include "ui/UserMessages.h"

class QDialogButtonBox;
class QKeyEvent;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace vitalis {

// The common part of the open, copy and delete dialogs: the current folder with a chooser,
// and the list of the case files in it and in its folders (patient, identifier, test date,
// readings, file), sortable by each column; a damaged file is listed with the reason.
class CaseListDialog : public QDialog {
    Q_OBJECT

  public:
    CaseListDialog(const TextSource& texts, CaseFileTable& table, const QString& folder,
                   UserMessages messages, QWidget* parent);

    QString folder() const;
    // The folder the rows were read from (the field may have been typed over since).
    QString listedFolder() const { return listedFolder_; }
    void SetFolder(const QString& folder);  // lists it afresh
    QTreeWidget* list() const { return list_; }
    QLineEdit* folderField() const { return folderField_; }
    // Paths of the selected rows, in list order.
    std::vector<std::string> SelectedPaths() const;
    // The row read from a file, or null.
    QTreeWidgetItem* RowOf(const QString& path) const;
    // The file's row data behind a list row, or null.
    static const CaseRow* RowData(const QTreeWidgetItem* item);
    // Makes a row the current and only selected one, and scrolls to it.
    void SelectRow(QTreeWidgetItem* item);
    QDialogButtonBox* buttons() const { return buttons_; }

  protected:
    QString Text(std::string_view section, std::string_view key) const;
    const TextSource& texts() const { return texts_; }
    // Rows read from `from`.
    void ShowRows(const std::vector<CaseRow>& rows, const QString& from);
    // Return in a text field runs that field's action (listing, search), never OK; in the
    // list it is OK for the selected row.
    void keyPressEvent(QKeyEvent* event) override;
    void Inform(const QString& text) { messages_.inform(this, text); }
    bool Confirm(const QString& text) { return messages_.confirm(this, text); }
    QVBoxLayout* layout() const { return layout_; }
    CaseFileTable& table() { return table_; }
    virtual void Accept() = 0;   // OK was pressed
    virtual void RowsShown() {}  // after every listing

  private:
    void Browse();
    void SetColumnTitles();

    const TextSource& texts_;
    CaseFileTable& table_;
    UserMessages messages_;
    QLineEdit* folderField_ = nullptr;
    QString listedFolder_;
    QTreeWidget* list_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace vitalis
