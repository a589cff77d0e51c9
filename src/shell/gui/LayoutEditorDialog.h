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
class QRadioButton;
class QTabWidget;

namespace vitalis {

// Edits one report layout: on its first tab the name (for a new layout), the title and the
// pages it prints; on the second how the trend pages are drawn (line or strip graph, as on
// screen or the whole recording, the time scale). OK is refused while no page is ticked, or
// while a new layout's name is empty, unusable or taken.
class LayoutEditorDialog : public QDialog {
    Q_OBJECT

  public:
    LayoutEditorDialog(const TextSource& texts, ReportLayout layout, QString name, bool isNew,
                       std::vector<std::string> existingNames, UserMessages messages,
                       QWidget* parent = nullptr);

    const ReportLayout& layout() const { return layout_; }
    std::string name() const;  // trimmed
    QTabWidget* tabs() const { return tabs_; }
    QLineEdit* nameField() const { return name_; }
    QLineEdit* titleField() const { return title_; }
    QCheckBox* pageBox(int index) const { return pages_[static_cast<size_t>(index)]; }
    // kClinicalSummaryPage or kHourlyMeansPage.
    QCheckBox* clinicalPageBox(int index) const {
        return clinicalPages_[static_cast<size_t>(index)];
    }
    QRadioButton* graphTypeButton(GraphType type) const {
        return graphTypes_[static_cast<size_t>(type)];
    }
    QCheckBox* sameDisplayBox() const { return sameDisplay_; }
    // By its place in kGraphScales.
    QRadioButton* scaleButton(size_t index) const { return scales_[index]; }
    void accept() override;

  private:
    QWidget* BuildPagesTab(const QString& name);
    QWidget* BuildGraphTab();
    ReportGraphOptions ChosenGraph() const;
    QString Text(std::string_view section, std::string_view key) const;

    const TextSource& texts_;
    ReportLayout layout_;
    bool isNew_;
    std::vector<std::string> existing_;
    UserMessages messages_;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* title_ = nullptr;
    std::array<QCheckBox*, kEditablePageCount> pages_{};
    std::array<QCheckBox*, kClinicalPageCount> clinicalPages_{};
    std::array<QRadioButton*, 2> graphTypes_{};  // by GraphType
    QCheckBox* sameDisplay_ = nullptr;
    std::array<QRadioButton*, kGraphScales.size()> scales_{};
};

}  // namespace vitalis
