#include "shell/gui/WearDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "case/TextSource.h"
#include "shell/WearInstructions.h"

namespace vitalis {

WearDialog::WearDialog(const TextSource& texts, const QString& picturePath, QWidget* parent)
    : QDialog(parent) {
    const auto text = [&](const char* key) {
        return QString::fromStdString(texts.Text(kMessageTexts, key));
    };
    setWindowTitle(text("IDS_DLG_WEAR"));
    auto* heading = new QLabel(text("IDS_NEED_ATTENTION"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    // A missing picture leaves its place empty.
    picture_ = new QLabel(this);
    const QPixmap pixmap(picturePath);
    if (!pixmap.isNull()) {
        picture_->setPixmap(pixmap.scaled(320, 480, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    instructions_ = new QPlainTextEdit(this);
    instructions_->setReadOnly(true);
    instructions_->setPlainText(QString::fromStdString(WearInstructionsText(texts))
                                    .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                    .trimmed());

    auto* body = new QHBoxLayout;
    body->addWidget(picture_);
    body->addWidget(instructions_, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text("IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    resize(760, 480);
}

}  // namespace vitalis
