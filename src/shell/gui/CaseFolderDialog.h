#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "case/TextSource.h"
#include "ui/UserMessages.h"

class QLineEdit;
class QPushButton;

namespace vitalis {

// Where the case files go, asked on the first start. It shows the suggested folder; the user
// may type another or browse for one. OK takes the folder shown once case files can be written
// below it (it is created then); otherwise it says why and stays open. Cancel keeps nothing.
class CaseFolderDialog : public QDialog {
    Q_OBJECT

  public:
    // Asks for a folder, starting at the one given; empty when nothing was chosen.
    using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;

    CaseFolderDialog(const TextSource& texts, const QString& suggested, UserMessages messages,
                     QWidget* parent = nullptr);

    void SetFolderChooser(FolderChooser choose) { choose_ = std::move(choose); }
    // The folder accepted with OK.
    QString folder() const;

    QLineEdit* folderField() const { return field_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* okButton() const { return ok_; }

    void accept() override;

  private:
    void Browse();

    const TextSource& texts_;
    UserMessages messages_;
    FolderChooser choose_;
    QLineEdit* field_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace vitalis
