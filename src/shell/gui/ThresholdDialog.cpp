#include "shell/gui/ThresholdDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ThresholdForm.h"
#include "shell/gui/ThresholdPage.h"

namespace vitalis {
namespace {

QString TextOf(const TextSource& texts, std::string_view section, std::string_view key) {
    return QString::fromStdString(texts.Text(section, key));
}

}  // namespace

ThresholdDialog::ThresholdDialog(const TextSource& texts, const ThresholdSettings& current,
                                 UserMessages messages, QWidget* parent)
    : QDialog(parent), messages_(std::move(messages)), accepted_(current) {
    page_ = new ThresholdPage(texts, current, this);
    setWindowTitle(page_->windowTitle());
    auto* buttons = new QDialogButtonBox(this);
    buttons
        ->addButton(TextOf(texts, "Message Setting", "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(TextOf(texts, "Message Setting", "IDS_CANCEL"),
                       QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ThresholdDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_);
    layout->addWidget(buttons);
}

void ThresholdDialog::accept() {
    const ThresholdSettings shown = page_->values();
    if (!ThresholdsAcceptable(shown)) {
        messages_.inform(this, QString::fromLatin1(kThresholdRefusal.data(),
                                                   static_cast<int>(kThresholdRefusal.size())));
        return;
    }
    accepted_ = shown;
    QDialog::accept();
}

}  // namespace vitalis
