#include "shell/gui/AboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vitalis {

QString AboutDialog::VersionLine() {
    return QString::fromLatin1(kApplicationTitle) + QStringLiteral("  ") +
           QString::fromLatin1(kVersionText);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    row->addWidget(picture);
    auto* version = new QLabel(VersionLine(), this);
    version->setObjectName(QStringLiteral("versionLine"));
    row->addWidget(version, 1);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace vitalis
