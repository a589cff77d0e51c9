#pragma once

#include <QString>

#include "case/Recording.h"

namespace vitalis {

// What the main view needs of the document that holds the open case: the recording, whether
// one is open, and opening another. The document of the main window implements it.
class CaseDocument {
  public:
    virtual ~CaseDocument() = default;

    virtual bool caseOpen() const = 0;
    virtual Recording& recording() = 0;
    virtual const Recording& recording() const = 0;
    // Loads a case file; on failure no case is open, unless openCancelled() tells that the
    // clinician cancelled and the open case stayed as it was.
    virtual bool OpenCase(const QString& path) = 0;
    virtual bool openCancelled() const = 0;
};

}  // namespace vitalis
