#pragma once

#include <QDialog>
#include <functional>

#include "case/CaseEditState.h"
#include "case/MeasurementEdits.h"
#include "case/TextSource.h"
#include "ui/UserMessages.h"

class QAction;
class QDialogButtonBox;
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;

namespace vitalis {

// Every reading of the open case in one list: a click on the mark column, the space key or
// the row's context menu excludes a reading or takes it back in, the remark column is edited
// in place. The caller takes marks() into the case on OK; Save hands them over and saves at
// once, and when that fails the list keeps them. Cancel drops them. The readings can also be
// exported as CSV.
class MeasurementEditorDialog : public QDialog {
    Q_OBJECT

  public:
    // chooseCsvPath asks where to export; empty means the user cancelled.
    MeasurementEditorDialog(Recording& recording, const TextSource& texts, UserMessages messages,
                            std::function<QString(QWidget*)> chooseCsvPath,
                            QWidget* parent = nullptr);

    // Takes the marks into the case and saves it; false when the save did not happen.
    using Saving = std::function<bool(const std::vector<ReadingMark>& marks, QWidget* parent)>;
    void SetSaving(Saving saving);

    QTreeWidget* list() const { return list_; }
    QPushButton* saveButton() const { return saveButton_; }  // null until SetSaving
    void ClickMark(int row);                                 // as a click on the row's mark
    // The mark and remark of every row, in list order.
    std::vector<ReadingMark> marks() const;
    void Save();
    void ExportCsv();
    // Excludes the current row or takes it back in (Space, and the row's context menu).
    QAction* toggleAction() const { return toggleAction_; }

  private:
    void ShowRowMenu(const QPoint& at);
    void Fill();
    void UpdateHeader();
    void WidenToHeader(int column);
    void WidenToStatusWords();
    void RemarkEdited(QTreeWidgetItem* item, int column);

    Recording& recording_;
    const TextSource& texts_;
    UserMessages messages_;
    std::function<QString(QWidget*)> chooseCsvPath_;
    MeasurementEdits edits_;
    QTreeWidget* list_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* saveButton_ = nullptr;  // once SetSaving was given a way to save
    QAction* toggleAction_ = nullptr;
    Saving saving_;
};

}  // namespace vitalis
