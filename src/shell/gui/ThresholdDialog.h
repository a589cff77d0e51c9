#pragma once

#include <QDialog>

#include "analysis/ThresholdSettings.h"
#include "case/TextSource.h"
#include "ui/UserMessages.h"

namespace vitalis {

class ThresholdPage;

// The threshold page on its own, as the thresholds command opens it. OK keeps the dialog
// open with the fixed refusal message while the values are not acceptable.
class ThresholdDialog : public QDialog {
    Q_OBJECT

public:
    ThresholdDialog(const TextSource& texts, const ThresholdSettings& current,
                    UserMessages messages, QWidget* parent = nullptr);

    ThresholdPage* page() const { return page_; }
    ThresholdSettings accepted() const { return accepted_; }
    void accept() override;

private:
    ThresholdPage* page_ = nullptr;
    UserMessages messages_;
    ThresholdSettings accepted_;
};

}  // namespace vitalis
