#include "shell/gui/RecordingParametersDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "case/RecordingParameters.h"
#include "case/TextSource.h"

namespace vitalis {

RecordingParametersDialog::RecordingParametersDialog(const Recording& recording,
                                                     const TextSource& texts, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(texts.Text(kGlobalTexts, "IDS_CON_MESSAGE")));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (const ParameterRow& row : RecordingParameterRows(recording, texts)) {
        auto* value = new QLabel(QString::fromStdString(row.value), this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(QString::fromStdString(row.label), value);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(this);
    buttons
        ->addButton(QString::fromStdString(texts.Text(kMessageTexts, "IDS_MAKE_SURE")),
                    QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace vitalis
