#include "shell/gui/CMainFrameHeron.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "case/TextSource.h"
#include "shell/CommandTable.h"
#include "shell/gui/CommandIcons.h"

namespace vitalis {
namespace {

constexpr int kButtonSize = 55;
constexpr int kImageSize = 32;

// Keyboard access to the commands a clinician uses most.
QKeySequence ShortcutOf(int id) {
    switch (id) {
        case command::kOpenCase:
            return QKeySequence::Open;
        case command::kDownload:
            return QKeySequence(Qt::CTRL | Qt::Key_D);
        case command::kUpload:
            return QKeySequence(Qt::CTRL | Qt::Key_U);
        case command::kReport:
            return QKeySequence::Print;
        case command::kEditReadings:
            return QKeySequence(Qt::CTRL | Qt::Key_E);
        case command::kCopy:
            return QKeySequence::Copy;
        case command::kStatistics:
            return QKeySequence(Qt::CTRL | Qt::Key_I);
        case command::kTrendGraph:
            return QKeySequence(Qt::CTRL | Qt::Key_1);
        case command::kBarGraph:
            return QKeySequence(Qt::CTRL | Qt::Key_2);
        case command::kPieChart:
            return QKeySequence(Qt::CTRL | Qt::Key_3);
        case command::kCorrelationChart:
            return QKeySequence(Qt::CTRL | Qt::Key_4);
        case command::kClinicalSummary:
            return QKeySequence(Qt::CTRL | Qt::Key_5);
        case command::kHelp:
            return QKeySequence::HelpContents;
        case command::kExit:
            return QKeySequence::Quit;
        default:
            return {};
    }
}

}  // namespace

CMainFrameHeron::CMainFrameHeron(const TextSource& texts, QWidget* parent)
    : QMainWindow(parent), texts_(texts) {
    setWindowTitle(QStringLiteral("Vitalis"));
    CreateActions();
    CreateMenus();
    CreateToolbar();
    CreateStatusBar();
    Relabel();
    UpdateEnabled();
}

QString CMainFrameHeron::Text(std::string_view section, std::string_view key) const {
    return QString::fromStdString(texts_.Text(section, key));
}

void CMainFrameHeron::CreateActions() {
    for (const CommandInfo& info : Commands()) {
        auto* action = new QAction(this);
        action->setData(info.id);
        action->setIcon(CommandIcon(info.id));
        action->setShortcut(ShortcutOf(info.id));
        connect(action, &QAction::triggered, this,
                [this, id = info.id] { emit commandTriggered(id); });
        actions_[info.id] = action;
    }
}

void CMainFrameHeron::CreateMenus() {
    for (const MenuEntry& entry : MenuBar()) {
        if (!entry.IsPopup()) {
            // A menu-bar item of its own: the bar would show the toolbar picture instead of text.
            auto* action = menuBar()->addAction(QString());
            connect(action, &QAction::triggered, this,
                    [this, id = entry.command] { emit commandTriggered(id); });
            menuBarActions_.push_back(action);
            plainMenuCommands_[action] = entry.command;
            continue;
        }
        QMenu* popup = menuBar()->addMenu(QString());
        if (entry.text.key == "IDS_EDITS") AddEditCommands(popup);
        for (const int id : entry.popupItems) {
            if (id == 0) {
                popup->addSeparator();
            } else {
                popup->addAction(actions_.at(id));
            }
        }
        menuBarActions_.push_back(popup->menuAction());
    }
}

void CMainFrameHeron::AddEditCommands(QMenu* popup) {
    const std::pair<int, QKeySequence> commands[] = {
        {editcommand::kUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {editcommand::kRedo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {editcommand::kSave, QKeySequence(Qt::CTRL | Qt::Key_S)}};
    for (const auto& [id, keys] : commands) {
        auto* action = popup->addAction(QString());
        action->setData(id);
        action->setShortcut(keys);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, id = id] { emit commandTriggered(id); });
        actions_[id] = action;
    }
    popup->addSeparator();
}

void CMainFrameHeron::SetEditState(bool canUndo, bool canRedo, bool unsaved) {
    actions_.at(editcommand::kUndo)->setEnabled(canUndo);
    actions_.at(editcommand::kRedo)->setEnabled(canRedo);
    actions_.at(editcommand::kSave)->setEnabled(unsaved);
}

void CMainFrameHeron::CreateToolbar() {
    toolbar_ = addToolBar(QStringLiteral("Commands"));
    toolbar_->setObjectName(QStringLiteral("commandToolbar"));
    toolbar_->setMovable(true);
    toolbar_->setIconSize(QSize(kImageSize, kImageSize));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QFont captionFont = toolbar_->font();
    captionFont.setPointSizeF(captionFont.pointSizeF() * 0.72);  // captions fit 55-pixel buttons
    toolbar_->setFont(captionFont);
    for (const int id : ToolbarCommands()) {
        toolbar_->addAction(actions_.at(id));
        if (QWidget* button = toolbar_->widgetForAction(actions_.at(id))) {
            // As wide as its caption needs in the current language, never narrower than square.
            button->setFixedHeight(kButtonSize);
            button->setMinimumWidth(kButtonSize);
        }
    }
}

void CMainFrameHeron::CreateStatusBar() {
    const int screenWidth = screen() ? screen()->availableGeometry().width() : 1280;
    for (int pane = 0; pane < 4; ++pane) {
        statusPanes_[pane] = new QLabel(this);
        statusPanes_[pane]->setObjectName(QStringLiteral("statusPane%1").arg(pane));
        if (pane == 0) {
            statusPanes_[pane]->setMinimumWidth(screenWidth * 7 / 10);
            statusBar()->addWidget(statusPanes_[pane], 1);
        } else {
            statusBar()->addPermanentWidget(statusPanes_[pane]);
        }
    }
}

void CMainFrameHeron::Relabel() {
    setWindowTitle(QStringLiteral("Vitalis"));
    for (const CommandInfo& info : Commands()) {
        QAction* action = actions_.at(info.id);
        const QString menuText =
            info.menuText ? Text(info.menuText->section, info.menuText->key) : QString();
        const QString buttonText =
            info.buttonText ? Text(info.buttonText->section, info.buttonText->key) : QString();
        action->setText(menuText.isEmpty() ? buttonText : menuText);
        action->setIconText(buttonText.isEmpty() ? menuText : buttonText);
        const auto reason = unavailable_.find(info.id);
        const QString tip = action->iconText().remove(QLatin1Char('&'));
        action->setToolTip(
            reason == unavailable_.end() ? tip : tip + QStringLiteral(" — ") + reason->second);
    }
    actions_.at(editcommand::kUndo)->setText(Text(kMenuTexts, "IDS_UNDO"));
    actions_.at(editcommand::kRedo)->setText(Text(kMenuTexts, "IDS_REDO"));
    actions_.at(editcommand::kSave)->setText(Text(kMenuTexts, "IDS_SAVE_CASE"));
    const std::vector<MenuEntry>& menu = MenuBar();
    for (size_t i = 0; i < menu.size() && i < menuBarActions_.size(); ++i) {
        menuBarActions_[i]->setText(Text(menu[i].text.section, menu[i].text.key));
    }
    const char* paneKeys[4] = {"IDS_IDLEMESSAGE", "IDS_INDICATOR_CAPS", "IDS_INDICATOR_NUM",
                               "IDS_INDICATOR_SCRL"};
    for (int pane = 0; pane < 4; ++pane) {
        statusPanes_[pane]->setText(Text(kGlobalTexts, paneKeys[pane]));
    }
}

void CMainFrameHeron::SetCaseOpen(bool open) {
    caseOpen_ = open;
    UpdateEnabled();
}

void CMainFrameHeron::SetUnavailable(int commandId, const QString& reason) {
    unavailable_[commandId] = reason;
    UpdateEnabled();
    Relabel();
}

void CMainFrameHeron::UpdateEnabled() {
    for (const CommandInfo& info : Commands()) {
        const bool available = unavailable_.count(info.id) == 0;
        actions_.at(info.id)->setEnabled(available && (!info.needsOpenCase || caseOpen_));
    }
    for (const auto& [action, id] : plainMenuCommands_)
        action->setEnabled(actions_.at(id)->isEnabled());
}

void CMainFrameHeron::SetStatusText(const QString& text) {
    statusPanes_[0]->setText(text);
}

QAction* CMainFrameHeron::Action(int commandId) const {
    const auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

bool CMainFrameHeron::event(QEvent* event) {
    if (event->type() == kDownloadSavedEvent) {
        emit commandTriggered(command::kOpenCase);  // offer the new case at once
        return true;
    }
    return QMainWindow::event(event);
}

}  // namespace vitalis
