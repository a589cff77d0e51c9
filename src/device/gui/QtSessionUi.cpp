#include "device/gui/QtSessionUi.h"

#include <QMessageBox>
#include <QThread>

#include "device/session/SessionMessages.h"

namespace vitalis {

QtSessionUi::Answers QtSessionUi::MessageBoxes() {
    Answers answers;
    answers.show = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QStringLiteral("Vitalis"), text);
    };
    answers.retry = [](QWidget* parent, const QString& text) {
        return QMessageBox::warning(parent, QStringLiteral("Vitalis"), text,
                                    QMessageBox::Retry | QMessageBox::Cancel,
                                    QMessageBox::Retry) == QMessageBox::Retry;
    };
    answers.yesNo = [](QWidget* parent, const QString& text) {
        return QMessageBox::question(parent, QStringLiteral("Vitalis"), text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    return answers;
}

QtSessionUi::QtSessionUi(const TextSource& texts, QWidget* window, Answers answers)
    : texts_(texts), window_(window), answers_(std::move(answers)) {}

QString QtSessionUi::TextOf(const UiMessage& message) const {
    return QString::fromStdString(MessageText(message, texts_));
}

void QtSessionUi::OnWindowThread(const std::function<void()>& f) {
    if (QThread::currentThread() == thread()) {
        f();
        return;
    }
    QMetaObject::invokeMethod(this, f, Qt::BlockingQueuedConnection);
}

void QtSessionUi::ShowMessage(const UiMessage& message) {
    const QString text = TextOf(message);
    OnWindowThread([&] { answers_.show(window_, text); });
}

bool QtSessionUi::AskRetry(const UiMessage& message) {
    const QString text = TextOf(message);
    bool retry = false;
    OnWindowThread([&] { retry = answers_.retry(window_, text); });
    return retry;
}

bool QtSessionUi::AskYesNo(const UiMessage& message) {
    const QString text = TextOf(message);
    bool yes = false;
    OnWindowThread([&] { yes = answers_.yesNo(window_, text); });
    return yes;
}

}  // namespace vitalis
