#pragma once

#include <QDialog>

#include "case/TextSource.h"

class QLabel;
class QPlainTextEdit;

namespace vitalis {

// How to wear the monitor: the picture for the language, when it is installed, beside the
// seven instructions.
class WearDialog : public QDialog {
    Q_OBJECT

  public:
    WearDialog(const TextSource& texts, const QString& picturePath, QWidget* parent = nullptr);

    QLabel* picture() const { return picture_; }
    QPlainTextEdit* instructions() const { return instructions_; }

  private:
    QLabel* picture_ = nullptr;
    QPlainTextEdit* instructions_ = nullptr;
};

}  // namespace vitalis
