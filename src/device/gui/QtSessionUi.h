#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "case/TextSource.h"
#include "device/session/SessionUi.h"

class QWidget;

namespace vitalis {

// Answers a session's messages and questions on the window's thread while the session runs
// on its worker: the worker waits until the user has answered. The three answers are
// functions so that tests can give them; by default they are message boxes.
class QtSessionUi final : public QObject, public SessionUi {
    Q_OBJECT

  public:
    struct Answers {
        std::function<void(QWidget*, const QString&)> show;
        std::function<bool(QWidget*, const QString&)> retry;  // true: Retry
        std::function<bool(QWidget*, const QString&)> yesNo;  // true: Yes
    };
    static Answers MessageBoxes();

    QtSessionUi(const TextSource& texts, QWidget* window, Answers answers);

    void ShowMessage(const UiMessage& message) override;
    bool AskRetry(const UiMessage& message) override;
    bool AskYesNo(const UiMessage& message) override;

    QString TextOf(const UiMessage& message) const;

  private:
    // Runs f on the window's thread and waits for it.
    void OnWindowThread(const std::function<void()>& f);

    const TextSource& texts_;
    QWidget* window_;
    Answers answers_;
};

}  // namespace vitalis
