#include "ReportTexts.h"

#include <array>

namespace vitalis::report {

QString ReportText(const TextSource& texts, const char* key) {
    return SectionText(texts, kReportSection, key);
}

QString SectionText(const TextSource& texts, const char* section, const char* key) {
    return QString::fromStdString(texts.Text(section, key));
}

QString PeriodName(const TextSource& texts, int slot) {
    static constexpr std::array<const char*, 3> kKeys{"IDS_RPT_WHOLE", "IDS_RPT_AWAKE",
                                                      "IDS_RPT_ASLEEP"};
    return ReportText(texts, kKeys.at(static_cast<size_t>(slot)));
}

QString ParameterName(const TextSource& texts, int index) {
    static constexpr std::array<const char*, 5> kKeys{"IDS_RPT_SYS", "IDS_RPT_DIA", "IDS_RPT_PR",
                                                      "IDS_RPT_MAP", "IDS_RPT_PP"};
    return ReportText(texts, kKeys.at(static_cast<size_t>(index)));
}

}  // namespace vitalis::report
