#include "shell/gui/LanguageDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "case/TextSource.h"
#include "shell/LanguageChoice.h"
#include "shell/LanguageTable.h"

namespace vitalis {

LanguageDialog::LanguageDialog(LanguageTable& languages, QWidget* parent)
    : QDialog(parent), languages_(languages) {
    const auto text = [&](const char* key) {
        return QString::fromStdString(languages_.GetText(kMessageTexts, key));
    };
    setWindowTitle(text("IDS_SET_LANGUAGE"));
    auto* layout = new QVBoxLayout(this);
    choices_ = new QComboBox(this);
    choices_->setObjectName(QStringLiteral("languageChoices"));
    languages_.ScanLanguages(languages_.LanguageFolder());
    const std::vector<std::string> names = languages_.GetLanguageNames();
    for (const std::string& name : names) choices_->addItem(QString::fromStdString(name));
    choices_->setCurrentIndex(PreselectedLanguage(names, languages_.GetCurrentLanguageName()));
    layout->addWidget(choices_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text("IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(text("IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &LanguageDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

void LanguageDialog::accept() {
    ChangeLanguage(languages_, choices_->currentText().toStdString());
    QDialog::accept();
}

}  // namespace vitalis
