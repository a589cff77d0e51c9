#pragma once

#include <QObject>
#include <QString>

#include "case/CaseFolder.h"
#include "case/Recording.h"

namespace vitalis {

// The one document of the main window: the open recording, and the file table the case
// dialogs share. Opening a case saves the edits of the one that was open first.
class CTensioDoc : public QObject {
    Q_OBJECT

public:
    explicit CTensioDoc(QObject* parent = nullptr);
    ~CTensioDoc() override;

    Recording& recording() { return recording_; }
    const Recording& recording() const { return recording_; }
    CaseFileTable& fileTable() { return fileTable_; }

    bool caseOpen() const { return caseOpen_; }
    QString casePath() const { return QString::fromStdString(recording_.casePath); }

    // Loads a case file. On failure the recording counts as not open.
    bool OpenCase(const QString& path);
    // Writes the open case's exclusion marks and remarks back to its file.
    bool SaveOpenCase();
    // Saves and forgets the open case.
    void CloseCase();

signals:
    void caseOpenChanged(bool open);

private:
    void SetCaseOpen(bool open);

    Recording recording_;
    CaseFileTable fileTable_;
    bool caseOpen_ = false;
};

}  // namespace vitalis
