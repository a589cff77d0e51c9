#include "shell/gui/WelcomePage.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "case/NumberedText.h"
#include "shell/CommandTable.h"
#include "views/CTensioView.h"

namespace vitalis {
namespace {

struct Offer {
    int command;
    const char* key;
};
constexpr Offer kOffers[] = {{command::kDownload, "IDS_WELCOME_DOWNLOAD"},
                             {command::kUpload, "IDS_WELCOME_PROGRAM"},
                             {command::kOpenCase, "IDS_WELCOME_OPEN"}};

constexpr int kButtonWidth = 320;

QPushButton* OfferButton(QAction* action, QWidget* parent) {
    auto* button = new QPushButton(action->icon(), QString(), parent);
    button->setIconSize(QSize(32, 32));
    button->setMinimumWidth(kButtonWidth);
    button->setMinimumHeight(48);
    // Return presses the button that has the focus, as in a dialog.
    button->setAutoDefault(true);
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
    return button;
}

}  // namespace

WelcomePage::WelcomePage(const TextSource& texts, const ActionOf& actionOf, QWidget* parent)
    : QWidget(parent), texts_(texts) {
    setObjectName(QStringLiteral("welcomePage"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, CTensioView::kBackground);  // as the pages of a case
    setPalette(colours);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    title_ = new QLabel(this);
    QFont large = title_->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    title_->setFont(large);
    intro_ = new QLabel(this);
    for (QLabel* label : {title_, intro_}) layout->addWidget(label, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    for (const Offer& offer : kOffers) {
        QPushButton* button = OfferButton(actionOf(offer.command), this);
        buttons_[offer.command] = button;
        layout->addWidget(button, 0, Qt::AlignHCenter);
    }
    layout->addSpacing(16);
    folderLine_ = new QLabel(this);
    folderLine_->setObjectName(QStringLiteral("welcomeCaseFolder"));
    folderLine_->setTextFormat(Qt::PlainText);  // a folder name is never markup
    folderLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(folderLine_, 0, Qt::AlignHCenter);
    layout->addStretch(2);
    setFocusProxy(buttons_.at(command::kDownload));
    Relabel();
}

QString WelcomePage::Text(std::string_view key) const {
    return QString::fromStdString(texts_.Text(kCaseTexts, key));
}

void WelcomePage::Relabel() {
    title_->setText(Text("IDS_WELCOME_TITLE"));
    intro_->setText(Text("IDS_WELCOME_TEXT"));
    for (const Offer& offer : kOffers) buttons_.at(offer.command)->setText(Text(offer.key));
    SetCaseFolder(folder_);
}

void WelcomePage::SetCaseFolder(const QString& folder) {
    folder_ = folder;
    const std::string line =
        FillNumbered(texts_.Text(kCaseTexts, "IDS_WELCOME_FOLDER"), {folder.toStdString()});
    folderLine_->setText(QString::fromStdString(line));
}

QPushButton* WelcomePage::button(int commandId) const {
    const auto found = buttons_.find(commandId);
    return found == buttons_.end() ? nullptr : found->second;
}

}  // namespace vitalis
