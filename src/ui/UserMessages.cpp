#include "ui/UserMessages.h"

#include <QMessageBox>

namespace vitalis {

UserMessages UserMessages::MessageBoxes() {
    UserMessages messages;
    messages.inform = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QStringLiteral("Vitalis"), text);
    };
    messages.confirm = [](QWidget* parent, const QString& question) {
        return QMessageBox::question(parent, QStringLiteral("Vitalis"), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    return messages;
}

}  // namespace vitalis
