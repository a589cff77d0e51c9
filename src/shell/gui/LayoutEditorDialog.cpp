#include "shell/gui/LayoutEditorDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include "case/TextSource.h"

namespace vitalis {
namespace {

// The editor's boxes, one per page kind in report order (the last kind has no box).
constexpr std::array<const char*, kEditablePageCount> kPageLabels = {
    "IDS_PATIENT_STATISTICS", "IDS_SUMMARY_STATISTICS", "IDS_TRENDS_PRESSPAGE", "IDS_GRAPH_PAGE",
    "IDS_LINE_PAGE",          "IDS_BARGRAPH_PAGE",      "IDS_CAKE_PAGE",        "IDS_RATE_BARGRAPH",
    "IDS_COMBINE_PAGE",       "IDS_THREE_PAGE",         "IDS_MEASURE_DATA"};
// The clinical pages are named as the clinical summary names them.
constexpr std::array<const char*, kClinicalPageCount> kClinicalPageLabels = {"IDS_CLINICAL_SUMMARY",
                                                                             "IDS_HOURLY_MEANS"};

}  // namespace

LayoutEditorDialog::LayoutEditorDialog(const TextSource& texts, ReportLayout layout, QString name,
                                       bool isNew, std::vector<std::string> existingNames,
                                       UserMessages messages, QWidget* parent)
    : QDialog(parent),
      texts_(texts),
      layout_(std::move(layout)),
      isNew_(isNew),
      existing_(std::move(existingNames)),
      messages_(std::move(messages)) {
    const auto text = [&](std::string_view section, std::string_view key) {
        return QString::fromStdString(texts_.Text(section, key));
    };
    setWindowTitle(text(kCaseTexts, "IDS_PRINT_PAGE"));
    auto* layoutBox = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = new QLineEdit(name, this);
    name_->setReadOnly(!isNew_);
    title_ = new QLineEdit(QString::fromStdString(layout_.title), this);
    form->addRow(text(kCaseTexts, "IDS_REPORT_NAME"), name_);
    form->addRow(text(kCaseTexts, "IDS_REPORT_TITLE"), title_);
    layoutBox->addLayout(form);
    auto* group = new QGroupBox(text(kCaseTexts, "IDS_BLOOD_REPORT"), this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < kEditablePageCount; ++i) {
        pages_[static_cast<size_t>(i)] =
            new QCheckBox(text(kCaseTexts, kPageLabels[static_cast<size_t>(i)]), group);
        pages_[static_cast<size_t>(i)]->setChecked(layout_.pages[static_cast<size_t>(i)] != 0);
        grid->addWidget(pages_[static_cast<size_t>(i)], i / 2, i % 2);
    }
    const int clinicalRow = (kEditablePageCount + 1) / 2;
    for (size_t i = 0; i < clinicalPages_.size(); ++i) {
        clinicalPages_[i] = new QCheckBox(text(kClinicalTexts, kClinicalPageLabels[i]), group);
        clinicalPages_[i]->setChecked(layout_.clinicalPages[i] != 0);
        grid->addWidget(clinicalPages_[i], clinicalRow, static_cast<int>(i));
    }
    layoutBox->addWidget(group);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text(kMessageTexts, "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(text(kMessageTexts, "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &LayoutEditorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layoutBox->addWidget(buttons);
}

std::string LayoutEditorDialog::name() const {
    return TrimLayoutName(name_->text().toStdString());
}

void LayoutEditorDialog::accept() {
    ReportLayout edited = layout_;
    edited.title = title_->text().toStdString();
    for (int i = 0; i < kEditablePageCount; ++i) {
        edited.pages[static_cast<size_t>(i)] = pages_[static_cast<size_t>(i)]->isChecked() ? 1 : 0;
    }
    for (size_t i = 0; i < clinicalPages_.size(); ++i)
        edited.clinicalPages[i] = clinicalPages_[i]->isChecked() ? 1 : 0;
    const std::string_view refusal = RefuseLayoutEdit(edited, name(), isNew_, existing_);
    if (!refusal.empty()) {
        messages_.inform(this,
                         QString::fromStdString(texts_.Text(kLayoutEditorTextSection, refusal)));
        if (refusal != "IDS_REPOET_PAGE") name_->setFocus();
        return;
    }
    layout_ = std::move(edited);
    QDialog::accept();
}

}  // namespace vitalis
