#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <map>

#include "case/TextSource.h"

class QAction;
class QLabel;
class QPushButton;

namespace vitalis {

// What the main window shows while no case is open: a greeting, the three commands a day
// starts with (download from the monitor, program the monitor, open a case) and where the
// case files are. Each button triggers the window's own command, so it runs exactly as from
// the menu or the toolbar, and is enabled only while that command is.
class WelcomePage : public QWidget {
  public:
    // The window's command of an id; never null for the commands the page offers.
    using ActionOf = std::function<QAction*(int commandId)>;

    WelcomePage(const TextSource& texts, const ActionOf& actionOf, QWidget* parent = nullptr);

    // Sets every caption again from the current language.
    void Relabel();
    void SetCaseFolder(const QString& folder);

    QPushButton* button(int commandId) const;
    QLabel* folderLine() const { return folderLine_; }

  private:
    QString Text(std::string_view key) const;

    const TextSource& texts_;
    QLabel* title_ = nullptr;
    QLabel* intro_ = nullptr;
    std::map<int, QPushButton*> buttons_;
    QLabel* folderLine_ = nullptr;
    QString folder_;
};

}  // namespace vitalis
