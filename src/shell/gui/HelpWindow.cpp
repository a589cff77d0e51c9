#include "shell/gui/HelpWindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vitalis {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("helpWindow"));
    setModal(false);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);  // a web address in the guide still goes to a browser
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(820, 680);
}

bool HelpWindow::ShowGuide(const QString& path, const QString& title) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) return false;
    QString caption = title;
    caption.remove(QLatin1Char('&'));  // the menu text's access key
    setWindowTitle(caption);
    browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    if (browser_->document()->isEmpty()) return false;
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace vitalis
