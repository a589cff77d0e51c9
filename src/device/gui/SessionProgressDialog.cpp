#include "device/gui/SessionProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "case/NumberedText.h"
#include "case/TextSource.h"
#include "device/session/SessionMessages.h"
#include "device/session/SessionWorker.h"

namespace vitalis {

SessionProgressDialog::SessionProgressDialog(SessionProgress& progress, SessionWorker& worker,
                                             const TextSource& texts, QWidget* parent)
    : QDialog(parent), progress_(progress), texts_(texts), worker_(worker) {
    setWindowTitle(QStringLiteral("Vitalis"));
    auto* layout = new QVBoxLayout(this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("sessionStatus"));
    status_->setMinimumWidth(360);
    layout->addWidget(status_);
    readings_ = new QLabel(this);
    readings_->setObjectName(QStringLiteral("sessionReadings"));
    layout->addWidget(readings_);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    layout->addWidget(bar_);
    cancel_ =
        new QPushButton(QString::fromStdString(texts.Text(kMessageTexts, "IDS_CANCEL")), this);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, this, &SessionProgressDialog::reject);
    connect(&timer_, &QTimer::timeout, this, &SessionProgressDialog::Poll);
    timer_.start(20);
    progress_.RaiseStartFlag();
}

void SessionProgressDialog::reject() {
    cancel_->setEnabled(false);
    worker_.Cancel();  // the timer closes the dialog once the worker has stopped
}

void SessionProgressDialog::ShowProgress(const ProgressSnapshot& now) {
    bar_->setValue(now.progress);
    status_->setText(QString::fromStdString(now.statusText));
    if (now.readingsAnnounced <= 0) return;
    readings_->setText(QString::fromStdString(FillNumbered(
        texts_.Text(kSessionSection, kReadingOfKey),
        {std::to_string(now.readingsReceived), std::to_string(now.readingsAnnounced)})));
}

void SessionProgressDialog::Poll() {
    if (closing_) return;
    const ProgressSnapshot now = progress_.Snapshot();
    switch (now.state) {
        case SessionState::Idle:
        case SessionState::Running:
            ShowProgress(now);
            break;
        case SessionState::AwaitingRetry:
            break;  // the worker is asking its question
        case SessionState::Ended:
            closing_ = true;
            timer_.stop();
            finalState_ = now.state;
            done(QDialog::Rejected);
            break;
        case SessionState::Saved:
            closing_ = true;
            timer_.stop();
            finalState_ = now.state;
            ShowProgress(now);
            QTimer::singleShot(500, this, [this] { done(QDialog::Accepted); });
            break;
    }
}

}  // namespace vitalis
