#include "shell/gui/LayoutEditorDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>
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
// The time scales, in the order of kGraphScales ("IDS_HOURS52" reads 72 hours).
constexpr std::array<const char*, kGraphScales.size()> kScaleLabels = {
    "IDS_TWELFTH_HOUR", "IDS_HOURS24", "IDS_HOURS48", "IDS_HOURS52", "IDS_AUTOMATIC"};

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
    setWindowTitle(Text(kCaseTexts, "IDS_PRINT_PAGE"));
    auto* layoutBox = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(BuildPagesTab(name), Text(kCaseTexts, "IDS_PRINT_PAGE"));
    tabs_->addTab(BuildGraphTab(), Text(kCaseTexts, "IDS_GRAPH"));
    layoutBox->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Text(kMessageTexts, "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(Text(kMessageTexts, "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &LayoutEditorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layoutBox->addWidget(buttons);
}

QString LayoutEditorDialog::Text(std::string_view section, std::string_view key) const {
    return QString::fromStdString(texts_.Text(section, key));
}

QWidget* LayoutEditorDialog::BuildPagesTab(const QString& name) {
    auto* tab = new QWidget(this);
    auto* layoutBox = new QVBoxLayout(tab);
    auto* form = new QFormLayout;
    name_ = new QLineEdit(name, tab);
    name_->setReadOnly(!isNew_);
    title_ = new QLineEdit(QString::fromStdString(layout_.title), tab);
    form->addRow(Text(kCaseTexts, "IDS_REPORT_NAME"), name_);
    form->addRow(Text(kCaseTexts, "IDS_REPORT_TITLE"), title_);
    layoutBox->addLayout(form);
    auto* group = new QGroupBox(Text(kCaseTexts, "IDS_BLOOD_REPORT"), tab);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < kEditablePageCount; ++i) {
        pages_[static_cast<size_t>(i)] =
            new QCheckBox(Text(kCaseTexts, kPageLabels[static_cast<size_t>(i)]), group);
        pages_[static_cast<size_t>(i)]->setChecked(layout_.pages[static_cast<size_t>(i)] != 0);
        grid->addWidget(pages_[static_cast<size_t>(i)], i / 2, i % 2);
    }
    const int clinicalRow = (kEditablePageCount + 1) / 2;
    for (size_t i = 0; i < clinicalPages_.size(); ++i) {
        clinicalPages_[i] = new QCheckBox(Text(kClinicalTexts, kClinicalPageLabels[i]), group);
        clinicalPages_[i]->setChecked(layout_.clinicalPages[i] != 0);
        grid->addWidget(clinicalPages_[i], clinicalRow, static_cast<int>(i));
    }
    layoutBox->addWidget(group);
    return tab;
}

// Each choice is a group of radio buttons: Tab reaches the group, the arrow keys choose.
QWidget* LayoutEditorDialog::BuildGraphTab() {
    auto* tab = new QWidget(this);
    auto* layoutBox = new QVBoxLayout(tab);
    auto* typeGroup = new QGroupBox(Text(kGlobalTexts, "IDS_GRAPH_TYPE"), tab);
    auto* typeBox = new QVBoxLayout(typeGroup);
    for (const auto& [type, key] : {std::pair{GraphType::Line, "IDS_LINE_GRAPH"},
                                    std::pair{GraphType::Strip, "IDS_STRIP_GRAPH"}}) {
        QRadioButton*& button = graphTypes_[static_cast<size_t>(type)];
        button = new QRadioButton(Text(kCaseTexts, key), typeGroup);
        button->setChecked(layout_.graph.type == type);
        typeBox->addWidget(button);
    }
    layoutBox->addWidget(typeGroup);
    sameDisplay_ = new QCheckBox(Text(kCaseTexts, "IDS_SAME_DISPLAY"), tab);
    sameDisplay_->setChecked(layout_.graph.sameDisplay);
    layoutBox->addWidget(sameDisplay_);
    auto* scaleGroup = new QGroupBox(Text(kCaseTexts, "IDS_GRAPH_SCALE"), tab);
    auto* scaleBox = new QVBoxLayout(scaleGroup);
    for (size_t i = 0; i < kGraphScales.size(); ++i) {
        scales_[i] = new QRadioButton(Text(kCaseTexts, kScaleLabels[i]), scaleGroup);
        scales_[i]->setChecked(GraphScaleFromStored(layout_.graph.scaleHours) == kGraphScales[i]);
        scaleBox->addWidget(scales_[i]);
    }
    layoutBox->addWidget(scaleGroup);
    layoutBox->addStretch();
    return tab;
}

ReportGraphOptions LayoutEditorDialog::ChosenGraph() const {
    ReportGraphOptions graph;
    graph.type = graphTypes_[1]->isChecked() ? GraphType::Strip : GraphType::Line;
    graph.sameDisplay = sameDisplay_->isChecked();
    for (size_t i = 0; i < kGraphScales.size(); ++i)
        if (scales_[i]->isChecked()) graph.scaleHours = kGraphScales[i];
    return graph;
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
    edited.graph = ChosenGraph();
    const std::string_view refusal = RefuseLayoutEdit(edited, name(), isNew_, existing_);
    if (!refusal.empty()) {
        messages_.inform(this,
                         QString::fromStdString(texts_.Text(kLayoutEditorTextSection, refusal)));
        tabs_->setCurrentIndex(0);  // both reasons are on the pages tab
        if (refusal != "IDS_REPOET_PAGE") name_->setFocus();
        return;
    }
    layout_ = std::move(edited);
    QDialog::accept();
}

}  // namespace vitalis
