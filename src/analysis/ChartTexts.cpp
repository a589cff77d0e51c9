#include "analysis/ChartTexts.h"

#include <array>
#include <cstdarg>
#include <cstdio>

#include "analysis/Histograms.h"
#include "analysis/TimeAxis.h"
#include "case/CalendarTime.h"
#include "case/TextSource.h"

namespace vitalis {
namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Format(const char* format, ...) {
    char text[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

// " 123 [mmHg]" or " 72 [bpm]", with the clock time when there is one.
std::string ValueWithUnit(int value, const std::string& unit) {
    return Format(" %d [", value) + unit + "]";
}

std::string ExtremeLine(const std::string& caption, int value, int hour, int minute,
                        const std::string& unit) {
    if (value < 1) return caption;
    return caption + ValueWithUnit(value, unit) + Format(" (%02d:%02d)", hour, minute);
}

}  // namespace

std::string LabelledValue::Joined() const {
    return value.empty() ? label : label + " " + value;
}

std::vector<LabelledValue> InfoBoxLines(const TrendRow& row, const TextSource& texts) {
    std::vector<LabelledValue> lines{
        {texts.Text(kMenuTexts, "IDS_NUM"), Format("%d", row.number)},
        // The date as the measurement list and the time axis write it.
        {texts.Text(kMenuTexts, "IDS_DATE"), ShownDate(row.clock)},
        {texts.Text(kMessageTexts, "IDS_TIMES"), ShownClock(row.clock.hour, row.clock.minute)},
        {texts.Text(kMenuTexts, "IDS_HP_COMPRESS"), Format("% 3d/% 3d", row.sys, row.dia)},
        {texts.Text(kGlobalTexts, "IDS_TREND_LEGEND_MAP"), Format("% 3d", row.map)},
        {texts.Text(kMenuTexts, "IDS_HEART_RATE_TREND"), Format("% 3d", row.pr)},
        {texts.Text(kMenuTexts, "IDS_COMMENTS"), row.comment},
    };
    if (!row.valid) lines.push_back({texts.Text(kMenuTexts, "IDS_EXCLUDED"), {}});
    return lines;
}

std::string UnitText(Parameter parameter, const TextSource& texts) {
    return parameter == Parameter::Pr ? texts.Text(kMenuTexts, "IDS_HEART_RATE") : "mmHg";
}

std::vector<std::string> StatisticsLines(const SummaryBlock& block, Parameter parameter,
                                         const TextSource& texts) {
    const std::string unit = UnitText(parameter, texts);
    const std::string maxCaption = texts.Text(kGlobalTexts, "IDS_MAX_VALUES");
    const std::string minCaption = texts.Text(kGlobalTexts, "IDS_LOW_VALUES");
    const std::string meanCaption = texts.Text(kGlobalTexts, "IDS_AVR_VALUES");
    const int mean = static_cast<int>(block.mean);  // truncated toward zero
    return {
        ExtremeLine(maxCaption, block.maxValue, block.maxHour, block.maxMinute, unit),
        ExtremeLine(minCaption, block.minValue, block.minHour, block.minMinute, unit),
        mean < 1 ? meanCaption : meanCaption + ValueWithUnit(mean, unit),
    };
}

std::string ParameterCaption(Parameter parameter, const TextSource& texts) {
    switch (parameter) {
        case Parameter::Sys:
            return texts.Text(kGlobalTexts, "IDS_HP") + " (mmHg)";
        case Parameter::Dia:
            return texts.Text(kGlobalTexts, "IDS_LOW_PRESSURE") + " (mmHg)";
        default:
            return texts.Text(kGlobalTexts, "IDS_PLUSE_RATE") + " (" +
                   texts.Text(kMenuTexts, "IDS_HEART_RATE") + ")";
    }
}

std::string PercentText(double fraction) {
    return Format("%.1f%%", fraction * 100.0);
}

std::vector<LabelledValue> CorrelationLines(const CorrelationData& data, const TextSource& texts) {
    return {
        {texts.Text(kNoticeTexts, "IDS_DIA_DEPEND"),
         Format("y = f(x): y = %.02fx + %.02f", data.diaOnSysSlope, data.diaOnSysIntercept)},
        {texts.Text(kNoticeTexts, "IDS_SYS_DEPEND"),
         Format("x = f(y): x = %.02fy + %.02f", data.sysOnDiaSlope, data.sysOnDiaIntercept)},
        {texts.Text(kNoticeTexts, "IDS_CLOUD_CENTER"),
         Format("(%d, %d)", data.centreSys, data.centreDia)},
        {texts.Text(kNoticeTexts, "IDS_CORRELATION"),
         Format("r=%f  r*r=%f", data.r, data.r * data.r)},
    };
}

RangeLegend RangeLegendTexts(int low, int high) {
    // The three ranges are bins like the histograms', and are written the same way.
    const std::array<int, 4> edges{0, low, high, kNoBinAbove};
    const std::vector<std::string> labels = BinLabels(edges);
    return {labels[2], labels[1], labels[0]};
}

std::vector<std::string> BinLabels(std::span<const int> edges) {
    std::vector<std::string> labels;
    if (edges.size() < 2) return labels;
    const size_t bins = edges.size() - 1;
    for (size_t i = 0; i < bins; ++i) {
        if (i == 0) {
            labels.push_back(Format("\u2264%d", edges[1]));
        } else if (i + 1 == bins) {
            labels.push_back(Format(">%d", edges[i]));
        } else {
            labels.push_back(Format("%d-%d", edges[i] + 1, edges[i + 1]));
        }
    }
    return labels;
}

}  // namespace vitalis
