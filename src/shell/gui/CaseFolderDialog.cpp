#include "shell/gui/CaseFolderDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/CaseFolderChoice.h"

namespace vitalis {

CaseFolderDialog::CaseFolderDialog(const TextSource& texts, const QString& suggested,
                                   UserMessages messages, QWidget* parent)
    : QDialog(parent),
      texts_(texts),
      messages_(std::move(messages)),
      choose_([this](QWidget* owner, const QString& start) {
          return QFileDialog::getExistingDirectory(
              owner, QString::fromStdString(texts_.Text(kDialogTexts, "IDS_SEL_PATH")), start);
      }) {
    const auto text = [&texts](const char* section, const char* key) {
        return QString::fromStdString(texts.Text(section, key));
    };
    setWindowTitle(text(kCaseTexts, "IDS_CASE_PATH"));
    auto* intro = new QLabel(text(kCaseTexts, "IDS_FIRST_FOLDER_TEXT"), this);
    intro->setWordWrap(true);
    field_ = new QLineEdit(suggested, this);
    field_->setObjectName(QStringLiteral("caseFolderField"));
    field_->setMinimumWidth(420);
    auto* label = new QLabel(text(kCaseTexts, "IDS_FILE_PATH"), this);
    label->setBuddy(field_);
    browse_ = new QPushButton(text(kCaseTexts, "IDS_BROWSE"), this);
    browse_->setAutoDefault(false);  // Return in the field means OK, not Browse
    connect(browse_, &QPushButton::clicked, this, &CaseFolderDialog::Browse);
    auto* row = new QHBoxLayout;
    row->addWidget(field_, 1);
    row->addWidget(browse_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(text(kMessageTexts, "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole);
    ok_->setDefault(true);
    buttons->addButton(text(kMessageTexts, "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CaseFolderDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(label);
    layout->addLayout(row);
    layout->addWidget(buttons);
    field_->setFocus();
}

QString CaseFolderDialog::folder() const {
    return field_->text().trimmed();
}

void CaseFolderDialog::Browse() {
    const QString chosen = choose_(this, folder());
    if (!chosen.isEmpty()) field_->setText(chosen);
    field_->setFocus();
}

void CaseFolderDialog::accept() {
    const std::string refusal = CaseFolderRefusal(folder().toStdString(), texts_);
    if (!refusal.empty()) {
        messages_.inform(this, QString::fromStdString(refusal));
        field_->setFocus();
        field_->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace vitalis
