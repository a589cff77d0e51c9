#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "shell/gui/WorkstationParts.h"

class QWidget;

namespace vitalis {

// The commands on the open case and the case files: open, copy, delete, save, undo and
// redo, and the edits of the readings, the patient sheet and the sleep period.
class CaseCommands {
  public:
    using Choice =
        std::function<int(QWidget* parent, const QString& text, const QStringList& answers)>;
    using SaveAsPath = std::function<QString(QWidget*)>;

    // The questions are asked through choose and askSaveAsPath, which may change later.
    CaseCommands(const WorkstationParts& parts, const Choice& choose,
                 const SaveAsPath& askSaveAsPath);

    void AddTo(CommandMap& commands);

    bool ConfirmCloseCase();
    bool SaveCase(QWidget* parent);
    bool OpenCase(const QString& path);
    QString CaseFolder() const;
    // The open dialog offers this case the next time it opens (a download just saved it).
    void OfferCase(const QString& path) { offeredPath_ = path; }
    // The case folder may have moved: the dialogs start from it again.
    void ForgetBrowsingFolder() { lastFolder_.clear(); }

  private:
    // Where the case dialogs start: the folder last browsed to, else the case folder.
    QString BrowsingFolder() const;
    QString Text(const char* section, const char* key) const;
    void OpenCaseDialog();
    void CopyCasesDialog();
    void DeleteCasesDialog();
    void EditReadings();
    void CopyReadings();  // the readings of the open case onto the clipboard, as a table
    void ShowRecordingInfo();
    void ChangeSleepPeriod();
    void EditPatientSheet();
    void EditDiary();

    WorkstationParts parts_;
    const Choice& choose_;
    const SaveAsPath& askSaveAsPath_;
    QString offeredPath_;
    QString lastFolder_;
};

}  // namespace vitalis
