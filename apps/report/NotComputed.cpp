#include "NotComputed.h"

#include "ReportTexts.h"

namespace vitalis::report {

QString PeriodGap(const TextSource& texts, bool multiDay, int slot, int count) {
    if (multiDay && slot != 0) return ReportText(texts, "IDS_RPT_MULTI_DAY");
    if (count > 0) return {};
    static constexpr const char* kKeys[3] = {"IDS_RPT_NO_READINGS", "IDS_RPT_NO_AWAKE",
                                             "IDS_RPT_NO_ASLEEP"};
    return ReportText(texts, kKeys[slot < 0 || slot > 2 ? 0 : slot]);
}

QString FallGap(const TextSource& texts, bool multiDay, int awakeCount, int asleepCount) {
    const QString awake = PeriodGap(texts, multiDay, 1, awakeCount);
    return awake.isEmpty() ? PeriodGap(texts, multiDay, 2, asleepCount) : awake;
}

QString NotComputed(const TextSource& texts, const QString& reason) {
    return ReportText(texts, "IDS_RPT_NOT_COMPUTED").arg(reason);
}

}  // namespace vitalis::report
