#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "case/TextSource.h"
#include "ui/UserMessages.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace vitalis {

class AppConfig;

// The settings sheet: the case folder, the report layouts, and further pages added by
// whoever owns them (the thresholds). OK applies every page and saves the configuration;
// Cancel changes nothing that OK would have applied (layout edits are stored at once, as
// the layout editor confirms them).
class ConfigurationSheet : public QDialog {
    Q_OBJECT

  public:
    enum Page { kCaseFolderPage = 0, kReportPage = 1 };

    ConfigurationSheet(AppConfig& config, const TextSource& texts, UserMessages messages,
                       QWidget* parent = nullptr);

    // A page of its own; apply runs on OK and may refuse (false keeps the sheet open).
    void AddPage(QWidget* page, const QString& title, std::function<bool()> apply);
    void ShowPage(int index);

    QCheckBox* defaultFolderBox() const { return defaultFolder_; }
    QLineEdit* folderField() const { return folder_; }
    QComboBox* layoutList() const { return layouts_; }
    void AddLayout();
    void EditLayout();
    void DeleteLayout();
    void accept() override;

  private:
    QWidget* BuildCaseFolderPage();
    QWidget* BuildReportPage();
    void FillLayouts(const QString& select);
    QString Text(std::string_view section, std::string_view key) const;

    AppConfig& config_;
    const TextSource& texts_;
    UserMessages messages_;
    QTabWidget* tabs_ = nullptr;
    QCheckBox* defaultFolder_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QPushButton* browse_ = nullptr;
    QComboBox* layouts_ = nullptr;
    std::vector<std::function<bool()>> applies_;
};

}  // namespace vitalis
