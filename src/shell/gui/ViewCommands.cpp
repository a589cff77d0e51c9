#include "shell/gui/ViewCommands.h"

#include <utility>

#include "case/FileAccess.h"
#include "case/TextSource.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/HelpDocument.h"
#include "shell/ThresholdForm.h"
#include "shell/WearInstructions.h"
#include "shell/gui/AboutDialog.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CaseCommands.h"
#include "shell/gui/ConfigurationSheet.h"
#include "shell/gui/HelpWindow.h"
#include "shell/gui/LanguageDialog.h"
#include "shell/gui/StatisticsDialog.h"
#include "shell/gui/ThresholdPage.h"
#include "shell/gui/WearDialog.h"
#include "views/CTensioView.h"

namespace vitalis {

ViewCommands::ViewCommands(const WorkstationParts& parts, CaseCommands& cases,
                           std::function<void()> relabel)
    : parts_(parts), cases_(cases), relabel_(std::move(relabel)) {
    CTensioView& view = parts_.view;
    QObject::connect(&view, &CTensioView::statisticsRequested, &view,
                     [&view](const StatisticsTable& table) {
                         StatisticsDialog dialog(table, &view);
                         dialog.exec();
                     });
}

void ViewCommands::AddTo(CommandMap& commands) {
    using namespace command;
    CTensioView& view = parts_.view;
    commands[kTrendGraph] = [&view] { view.ShowPage(PageKind::Trend); };
    commands[kBarGraph] = [&view] { view.ShowPage(PageKind::Histogram); };
    commands[kPieChart] = [&view] { view.ShowPage(PageKind::Pie); };
    commands[kCorrelationChart] = [&view] { view.ShowPage(PageKind::Correlation); };
    commands[kClinicalSummary] = [&view] { view.ShowPage(PageKind::Clinical); };
    commands[kStatistics] = [&view] { view.ShowStatistics(); };
    commands[kCaseFolderSettings] = [this] { ShowSettings(ConfigurationSheet::kCaseFolderPage); };
    commands[kReportSettings] = [this] { ShowSettings(ConfigurationSheet::kReportPage); };
    commands[kThresholdSettings] = [this] { ShowSettings(kThresholdPage); };
    commands[kLanguage] = [this] { ChooseLanguage(); };
    commands[kHelp] = [this] { ShowHelp(); };
    commands[kWearInstructions] = [this] { ShowWearInstructions(); };
    commands[kAbout] = [this] { AboutDialog(&parts_.frame).exec(); };
    commands[kExit] = [this] { parts_.frame.close(); };
}

void ViewCommands::ShowSettings(int page) {
    AppConfig& config = parts_.config;
    const UserMessages& messages = parts_.messages;
    ConfigurationSheet sheet(config, parts_.languages, messages, &parts_.frame);
    auto* thresholds = new ThresholdPage(parts_.languages, config.thresholds, config.guideline);
    sheet.AddPage(thresholds, thresholds->windowTitle(), [&config, &messages, thresholds, &sheet] {
        const ThresholdSettings shown = thresholds->values();
        if (!ThresholdsAcceptable(shown)) {
            messages.inform(&sheet,
                            QString::fromLatin1(kThresholdRefusal.data(),
                                                static_cast<int>(kThresholdRefusal.size())));
            return false;
        }
        config.thresholds = shown;
        config.guideline = thresholds->guideline();
        return true;
    });
    sheet.ShowPage(page);
    if (sheet.exec() != QDialog::Accepted) return;
    cases_.ForgetBrowsingFolder();  // the case folder may have moved
    parts_.view.Reanalyse();
    parts_.view.update();
}

void ViewCommands::ShowHelp() {
    const AppConfig& config = parts_.config;
    LanguageTable& languages = parts_.languages;
    std::string path =
        HelpDocumentPath(config.applicationDirectory(), languages.GetCurrentLanguageName());
    if (!FileExists(path)) path = HelpDocumentPath(config.applicationDirectory(), "English");
    if (!help_) help_ = new HelpWindow(&parts_.frame);
    const QString title =
        QString::fromStdString(languages.GetText(kMenuTexts, "IDS_HELP_DOCUMENT"));
    if (!FileExists(path) || !help_->ShowGuide(QString::fromStdString(path), title)) {
        parts_.messages.inform(
            &parts_.frame, QString::fromStdString(languages.GetText(kGlobalTexts, "IDS_ERROR")) +
                               QStringLiteral("\n") + QString::fromStdString(path));
    }
}

void ViewCommands::ChooseLanguage() {
    LanguageDialog dialog(parts_.languages, &parts_.frame);
    if (dialog.exec() != QDialog::Accepted) return;
    relabel_();
}

void ViewCommands::ShowWearInstructions() {
    const std::string picture = WearPicturePath(parts_.config.applicationDirectory(),
                                                parts_.languages.GetCurrentLanguageName());
    WearDialog dialog(parts_.languages, QString::fromStdString(picture), &parts_.frame);
    dialog.exec();
}

}  // namespace vitalis
