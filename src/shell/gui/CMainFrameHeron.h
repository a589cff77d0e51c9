#pragma once

#include <QEvent>
#include <QMainWindow>
#include <map>

#include "case/TextSource.h"

class QAction;
class QMenu;
class QLabel;
class QToolBar;

namespace vitalis {

// Commands of the Edit menu that work on the open case's changes (beside the command table's
// numbers, which stored layouts use).
namespace editcommand {
inline constexpr int kUndo = 33201;
inline constexpr int kRedo = 33202;
inline constexpr int kSave = 33203;
}  // namespace editcommand

// The main window: menu bar, the fourteen-button toolbar and the four-pane status bar. It
// owns no logic beyond layout and labels: every command is reported through
// commandTriggered and handled by the document and the view.
class CMainFrameHeron : public QMainWindow {
    Q_OBJECT

  public:
    // Posted by the download progress dialog when a case has been saved.
    static constexpr QEvent::Type kDownloadSavedEvent = static_cast<QEvent::Type>(6024);

    explicit CMainFrameHeron(const TextSource& texts, QWidget* parent = nullptr);

    // Sets every caption again from the current language.
    void Relabel();
    // Enables the commands that need an open case exactly while one is open.
    void SetCaseOpen(bool open);
    // Disables a command that cannot run in this build, with the reason as its tip.
    void SetUnavailable(int commandId, const QString& reason);
    void SetStatusText(const QString& text);  // the message pane
    // Enables Undo, Redo and Save as the open case allows.
    void SetEditState(bool canUndo, bool canRedo, bool unsaved);

    QAction* Action(int commandId) const;
    QToolBar* Toolbar() const { return toolbar_; }

  signals:
    void commandTriggered(int commandId);

  protected:
    bool event(QEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void AddEditCommands(QMenu* popup);
    void CreateToolbar();
    void CreateStatusBar();
    void UpdateEnabled();
    QString Text(std::string_view section, std::string_view key) const;

    const TextSource& texts_;
    std::map<int, QAction*> actions_;
    std::map<int, QString> unavailable_;
    std::vector<QAction*> menuBarActions_;       // top-level entries, in menu order
    std::map<QAction*, int> plainMenuCommands_;  // top-level entries that run a command
    QToolBar* toolbar_ = nullptr;
    QLabel* statusPanes_[4] = {};
    bool caseOpen_ = false;
};

}  // namespace vitalis
