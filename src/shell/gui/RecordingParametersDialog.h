#pragma once

#include <QDialog>

#include "case/Recording.h"
#include "case/TextSource.h"

namespace vitalis {

// How the monitor was programmed for the open recording.
class RecordingParametersDialog : public QDialog {
    Q_OBJECT

  public:
    RecordingParametersDialog(const Recording& recording, const TextSource& texts,
                              QWidget* parent = nullptr);
};

}  // namespace vitalis
