#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace vitalis {

// The user guide in a window of the program's own, so that help opens on a machine without a
// web browser or a desktop that knows how to show HTML. Links inside the guide stay inside it.
class HelpWindow : public QDialog {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the guide at `path` with the given title; false when the file cannot be read.
    bool ShowGuide(const QString& path, const QString& title);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace vitalis
