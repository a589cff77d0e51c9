#include "shell/ProcessWide.h"

namespace vitalis {

namespace {

std::unique_ptr<AppConfig>& InstalledConfig() {
    static std::unique_ptr<AppConfig> config;
    return config;
}

}  // namespace

LanguageTable& Languages() {
    static LanguageTable table;
    return table;
}

AppConfig& Config() {
    std::unique_ptr<AppConfig>& config = InstalledConfig();
    if (!config) config = std::make_unique<AppConfigHeron>(Languages());
    return *config;
}

AppConfig& InstallConfig(std::unique_ptr<AppConfig> config) {
    std::unique_ptr<AppConfig>& installed = InstalledConfig();
    installed.reset();
    installed = std::move(config);
    if (!installed) installed = std::make_unique<AppConfigHeron>(Languages());
    return *installed;
}

}  // namespace vitalis
