#include "case/ResultCodes.h"

namespace vitalis {

std::string_view FailureTextKey(int status) {
    switch (status) {
        case 0:
        case 3:
            return {};
        case 1:
            return "IDS_TEST_FAILED";
        case 2:
            return "IDS_FAILED";
        case 4:
            return "IDS_BATTERY_LOW";
        case 5:
            return "IDS_KEY_STOP";
        case 6:
            return "IDS_LOOSE_CUFF";
        case 8:
            return "IDS_AIRPRESSURE_ERROR";
        case 9:
            return "IDS_WEAK_SIGNAL";
        case 10:
            return "IDS_OVER_RANGE";
        case 11:
            return "IDS_EXC_SPORT";
        case 12:
            return "IDS_OVER_PRESSURE";
        case 13:
            return "IDS_SIGNAL_SATURATION";
        case 15:
            return "IDS_SYS_ERROR";
        case 19:
            return "IDS_TIME_OUT";
        default:  // 7, 14, 16 to 18, above 19, and anything negative
            return "IDS_AIR_LEAKAGE";
    }
}

std::string FailureText(int status, const TextSource& texts) {
    const std::string_view key = FailureTextKey(status);
    if (key.empty()) return {};
    return texts.Text(kFailureTextSection, key);
}

}  // namespace vitalis
