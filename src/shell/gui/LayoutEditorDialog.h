#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "case/TextSource.h"
#include "shell/ReportLayout.h"
#include "ui/UserMessages.h"

class QCheckBox;
class QLineEdit;

namespace vitalis {

// Edits one report layout: its name (for a new layout), its title and the pages it prints.
// OK is refused while no page is ticked, or while a new layout's name is empty, unusable or
// taken.
class LayoutEditorDialog : public QDialog {
    Q_OBJECT

  public:
    LayoutEditorDialog(const TextSource& texts, ReportLayout layout, QString name, bool isNew,
                       std::vector<std::string> existingNames, UserMessages messages,
                       QWidget* parent = nullptr);

    const ReportLayout& layout() const { return layout_; }
    std::string name() const;  // trimmed
    QLineEdit* nameField() const { return name_; }
    QLineEdit* titleField() const { return title_; }
    QCheckBox* pageBox(int index) const { return pages_[static_cast<size_t>(index)]; }
    // kClinicalSummaryPage or kHourlyMeansPage.
    QCheckBox* clinicalPageBox(int index) const {
        return clinicalPages_[static_cast<size_t>(index)];
    }
    void accept() override;

  private:
    const TextSource& texts_;
    ReportLayout layout_;
    bool isNew_;
    std::vector<std::string> existing_;
    UserMessages messages_;
    QLineEdit* name_ = nullptr;
    QLineEdit* title_ = nullptr;
    std::array<QCheckBox*, kEditablePageCount> pages_{};
    std::array<QCheckBox*, kClinicalPageCount> clinicalPages_{};
};

}  // namespace vitalis
