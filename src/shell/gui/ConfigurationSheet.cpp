#include "shell/gui/ConfigurationSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "case/TextSource.h"
#include "shell/AppConfig.h"
#include "shell/gui/LayoutEditorDialog.h"

namespace vitalis {

ConfigurationSheet::ConfigurationSheet(AppConfig& config, const TextSource& texts,
                                       UserMessages messages, QWidget* parent)
    : QDialog(parent), config_(config), texts_(texts), messages_(std::move(messages)) {
    setWindowTitle(Text(kDialogTexts, "IDS_CONFIGSET"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);
    tabs_->addTab(BuildCaseFolderPage(), Text(kCaseTexts, "IDS_CASE_PATH"));
    tabs_->addTab(BuildReportPage(), Text(kCaseTexts, "IDS_REPORT"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Text(kMessageTexts, "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(Text(kMessageTexts, "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConfigurationSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 380);
}

QString ConfigurationSheet::Text(std::string_view section, std::string_view key) const {
    return QString::fromStdString(texts_.Text(section, key));
}

QWidget* ConfigurationSheet::BuildCaseFolderPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    defaultFolder_ = new QCheckBox(Text(kCaseTexts, "IDS_ACQUIESCE_PATH"), page);
    layout->addWidget(defaultFolder_);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Text(kCaseTexts, "IDS_FILE_PATH"), page));
    folder_ = new QLineEdit(QString::fromStdString(config_.caseFolder), page);
    row->addWidget(folder_, 1);
    browse_ = new QPushButton(QStringLiteral("…"), page);
    row->addWidget(browse_);
    layout->addLayout(row);
    layout->addStretch(1);
    const QString defaultFolder = QString::fromStdString(config_.DefaultCaseFolder());
    const auto follow = [this, defaultFolder](bool useDefault) {
        folder_->setEnabled(!useDefault);
        browse_->setEnabled(!useDefault);
        if (useDefault) folder_->setText(defaultFolder);
    };
    connect(defaultFolder_, &QCheckBox::toggled, this, follow);
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(
            this, Text(kDialogTexts, "IDS_SEL_PATH"), folder_->text());
        if (!chosen.isEmpty()) folder_->setText(chosen);
    });
    defaultFolder_->setChecked(config_.useDefaultPath != 0);
    follow(config_.useDefaultPath != 0);
    return page;
}

QWidget* ConfigurationSheet::BuildReportPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    layouts_ = new QComboBox(page);
    form->addRow(Text(kCaseTexts, "IDS_REPORT_NAME"), layouts_);
    layout->addLayout(form);
    auto* row = new QHBoxLayout;
    struct Action {
        const char* section;
        const char* key;
        void (ConfigurationSheet::*run)();
    };
    const Action actions[] = {{kGlobalTexts, "IDS_ADD_REPORT", &ConfigurationSheet::AddLayout},
                              {kGlobalTexts, "IDS_EDIT_REPORT", &ConfigurationSheet::EditLayout},
                              {kCaseTexts, "IDS_DELETE_REPORT", &ConfigurationSheet::DeleteLayout}};
    for (const Action& action : actions) {
        auto* button = new QPushButton(Text(action.section, action.key), page);
        connect(button, &QPushButton::clicked, this, action.run);
        row->addWidget(button);
    }
    layout->addLayout(row);
    layout->addStretch(1);
    FillLayouts(QString::fromStdString(config_.reports.currentName));
    return page;
}

void ConfigurationSheet::FillLayouts(const QString& select) {
    layouts_->clear();
    for (const std::string& name : config_.reports.names)
        layouts_->addItem(QString::fromStdString(name));
    const int at = layouts_->findText(select);
    layouts_->setCurrentIndex(at);
}

void ConfigurationSheet::AddLayout() {
    LayoutEditorDialog editor(texts_, ReportLayout::Defaults(), QString(), true,
                              config_.reports.names, messages_, this);
    if (editor.exec() != QDialog::Accepted) return;
    const std::string name = editor.name();
    config_.reports.edited = editor.layout();
    if (config_.AddReportSection(name)) config_.SaveReportSection(name);
    FillLayouts(QString::fromStdString(name));
}

void ConfigurationSheet::EditLayout() {
    const QString name = layouts_->currentText();
    if (name.isEmpty()) {
        messages_.inform(this, Text(kGlobalTexts, "IDS_NAME_EMPTY"));
        return;
    }
    if (!config_.LoadReportSection(name.toStdString())) return;
    LayoutEditorDialog editor(texts_, config_.reports.edited, name, false, config_.reports.names,
                              messages_, this);
    if (editor.exec() != QDialog::Accepted) return;
    config_.reports.edited = editor.layout();
    config_.SaveReportSection(name.toStdString());
}

void ConfigurationSheet::DeleteLayout() {
    const QString name = layouts_->currentText();
    if (name.isEmpty()) {
        messages_.inform(this, Text(kGlobalTexts, "IDS_NAME_EMPTY"));
        return;
    }
    if (!messages_.confirm(this, Text(kGlobalTexts, "IDS_SURE_DELE"))) return;
    if (!config_.DeleteReportSection(name.toStdString())) {
        messages_.inform(this, Text(kGlobalTexts, "IDS_UNABLE_DEL"));
    }
    FillLayouts(QString::fromStdString(config_.reports.currentName));
}

void ConfigurationSheet::AddPage(QWidget* page, const QString& title, std::function<bool()> apply) {
    page->setParent(tabs_);
    tabs_->addTab(page, title);
    applies_.push_back(std::move(apply));
}

void ConfigurationSheet::ShowPage(int index) {
    if (index >= 0 && index < tabs_->count()) tabs_->setCurrentIndex(index);
}

void ConfigurationSheet::accept() {
    for (const auto& apply : applies_) {
        if (apply && !apply()) return;
    }
    config_.useDefaultPath = defaultFolder_->isChecked() ? 1 : 0;
    config_.caseFolder =
        config_.useDefaultPath != 0 ? config_.DefaultCaseFolder() : folder_->text().toStdString();
    if (!layouts_->currentText().isEmpty())
        config_.SetCurReportSettings(layouts_->currentText().toStdString());
    config_.SaveIfChanged();
    QDialog::accept();
}

}  // namespace vitalis
