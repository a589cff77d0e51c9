#include "shell/gui/CTensioDoc.h"

namespace vitalis {

CTensioDoc::CTensioDoc(QObject* parent) : QObject(parent) {}

CTensioDoc::~CTensioDoc() { SaveOpenCase(); }

bool CTensioDoc::OpenCase(const QString& path) {
    SaveOpenCase();
    recording_.casePath = path.toStdString();
    const bool loaded = recording_.Load();
    SetCaseOpen(loaded);
    return loaded;
}

bool CTensioDoc::SaveOpenCase() { return caseOpen_ ? recording_.SaveEdits() : true; }

void CTensioDoc::CloseCase() {
    SaveOpenCase();
    SetCaseOpen(false);
}

void CTensioDoc::SetCaseOpen(bool open) {
    const bool changed = caseOpen_ != open;
    caseOpen_ = open;
    if (changed) emit caseOpenChanged(open);
}

}  // namespace vitalis
