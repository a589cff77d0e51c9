#pragma once

#include <QString>

#include "case/TextSource.h"

namespace vitalis::report {

// The language section of the report program's own texts.
inline constexpr const char* kReportSection = kReportTexts;

// A text of the report program's own section.
QString ReportText(const TextSource& texts, const char* key);
// A text of another section, for labels the report shares with the workstation.
QString SectionText(const TextSource& texts, const char* section, const char* key);
// The name of a period by its slot: whole recording, awake, asleep.
QString PeriodName(const TextSource& texts, int slot);
// The short name of SYS, DIA, PR, MAP or PP (index in that order).
QString ParameterName(const TextSource& texts, int index);

}  // namespace vitalis::report
