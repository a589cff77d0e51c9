// report CASE.awp --pdf OUT.pdf [--layout NAME] [--language NAME] [--guideline ID]
//        [--app-dir DIR]: the pages the workstation's report command shows, as a PDF, without
// a window.
#include <array>
#include <filesystem>
#include <iostream>
#include <optional>

#include "Commands.h"
#include "LoadFailure.h"
#include "ThresholdsFromConfig.h"
#include "case/AsciiCase.h"
#include "case/Recording.h"
#include "shell/AppConfig.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/ReportExport.h"

#if VITALIS_HAS_REPORT
#include <QApplication>

#include "ReportComposer.h"
#include "ReportPdf.h"
#endif

namespace vitalis::cli {
namespace {

constexpr const char* kUsage =
    "usage: vitalis-cli report CASE.awp --pdf OUT.pdf [--layout NAME] [--language NAME]\n"
    "                         [--guideline esh2023|acc-aha2017|nice2019] [--app-dir DIR]\n";
constexpr std::array<const char*, 3> kGuidelines{"esh2023", "acc-aha2017", "nice2019"};

struct ReportOptions {
    std::string casePath;
    std::string pdf;
    std::optional<std::string> layout;
    std::optional<std::string> language;
    std::string guideline;  // for the pages that judge the figures against a guideline
    std::string applicationDirectory = RunningProgramFolder();
};

bool TakeValue(const Arguments& args, size_t& i, std::optional<std::string>& into) {
    if (i + 1 >= args.size() || into) return false;
    into = args[++i];
    return true;
}

std::optional<ReportOptions> ParseOptions(const Arguments& args) {
    ReportOptions o;
    std::optional<std::string> pdf, guideline, appDir;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool ok = true;
        if (arg == "--pdf")
            ok = TakeValue(args, i, pdf);
        else if (arg == "--layout")
            ok = TakeValue(args, i, o.layout);
        else if (arg == "--language")
            ok = TakeValue(args, i, o.language);
        else if (arg == "--guideline")
            ok = TakeValue(args, i, guideline);
        else if (arg == "--app-dir")
            ok = TakeValue(args, i, appDir);
        else if (!arg.starts_with("--") && o.casePath.empty())
            o.casePath = arg;
        else
            ok = false;
        if (!ok) return std::nullopt;
    }
    if (o.casePath.empty() || !pdf || pdf->empty()) return std::nullopt;
    o.pdf = *pdf;
    if (guideline) o.guideline = *guideline;
    if (appDir) o.applicationDirectory = *appDir;
    return o;
}

bool KnownGuideline(const std::string& id) {
    if (id.empty()) return true;
    for (const char* known : kGuidelines)
        if (id == known) return true;
    return false;
}

// The language of the report: the one asked for, else the workstation's. Nothing of the
// workstation's settings changes.
bool ChooseLanguage(LanguageTable& texts, const std::optional<std::string>& name) {
    if (!name) {
        texts.LoadStoredLanguage();
        return true;
    }
    texts.ScanLanguages(texts.LanguageFolder());
    bool known = false;
    for (const std::string& listed : texts.GetLanguageNames())
        known = known || EqualsIgnoringCase(listed, *name);
    if (!known) return false;
    texts.SelectLanguageFile(*name);
    return texts.LoadLanguage();
}

// The layout asked for, else the workstation's current one.
std::optional<ReportLayout> ChooseLayout(const std::string& file,
                                         const std::optional<std::string>& name) {
    ReportLayouts layouts;
    layouts.SetFilePath(file);
    layouts.Load({});
    if (!name) return layouts.current;
    if (layouts.IndexOf(*name) < 0 || !layouts.LoadSection(*name)) return std::nullopt;
    return layouts.edited;
}

int Fail(int code, const std::string& text) {
    std::cerr << "vitalis-cli: " << text << '\n';
    return code;
}

}  // namespace

int RunReport(const Arguments& args) {
    const std::optional<ReportOptions> o = ParseOptions(args);
    if (!o) return Fail(kExitUsage, std::string("missing or unknown arguments\n") + kUsage);
    if (!KnownGuideline(o->guideline))
        return Fail(kExitUsage,
                    "unknown guideline '" + o->guideline + "' (esh2023, acc-aha2017 or nice2019)");
    LanguageTable texts(o->applicationDirectory);
    if (!ChooseLanguage(texts, o->language))
        return Fail(kExitUsage, "unknown language '" + *o->language + "'");
    AppConfigHeron config(texts);
    config.SetApplicationDirectory(o->applicationDirectory);
    const std::optional<ReportLayout> layout = ChooseLayout(config.ReportFilePath(), o->layout);
    if (!layout) return Fail(kExitUsage, "unknown report layout '" + *o->layout + "'");
    const ThresholdSettings thresholds = ThresholdsFromConfig(config.ConfigFilePath());
    Recording recording;
    recording.thresholdSource = &thresholds;
    recording.casePath = o->casePath;
    if (!recording.Load()) return Fail(kExitLoadFailed, LoadFailureText(recording));
    const std::string guideline =
        o->guideline.empty() ? GuidelineFromConfig(config.ConfigFilePath()) : o->guideline;
    ReportData data = PrepareReportData(recording, *layout, guideline);
#if VITALIS_HAS_REPORT
    // Qt chooses its platform when the application object is made: no screen is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "vitalis-cli";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const report::ReportComposer composer(std::move(data), texts);
    if (!report::WriteReportPdf(composer, QString::fromStdString(o->applicationDirectory),
                                QString::fromStdString(o->pdf)))
        return Fail(kExitFailed, "cannot write " + o->pdf);
    std::cout << o->pdf << '\n';
    return kExitOk;
#else
    return Fail(kExitFailed, "this build has no report pages");
#endif
}

}  // namespace vitalis::cli
