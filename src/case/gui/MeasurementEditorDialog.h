#pragma once

#include <QDialog>
#include <functional>

#include "case/MeasurementEdits.h"
#include "case/TextSource.h"
#include "ui/UserMessages.h"

class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;

namespace vitalis {

// Every reading of the open case in one list: a click on the mark column excludes a reading
// or takes it back in, the remark column is edited in place. OK writes the marks and remarks
// into the recording; Cancel drops them. The readings can also be exported as CSV.
class MeasurementEditorDialog : public QDialog {
    Q_OBJECT

public:
    // chooseCsvPath asks where to export; empty means the user cancelled.
    MeasurementEditorDialog(Recording& recording, const TextSource& texts, UserMessages messages,
                            std::function<QString(QWidget*)> chooseCsvPath,
                            QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    void ClickMark(int row);  // as a click on the row's mark
    void ExportCsv();
    void accept() override;

private:
    void Fill();
    void UpdateHeader();
    void RemarkEdited(QTreeWidgetItem* item, int column);

    Recording& recording_;
    const TextSource& texts_;
    UserMessages messages_;
    std::function<QString(QWidget*)> chooseCsvPath_;
    MeasurementEdits edits_;
    QTreeWidget* list_ = nullptr;
};

}  // namespace vitalis
