#pragma once

#include <QString>

#include "case/TextSource.h"

namespace vitalis::report {

// Why the analysis computed no figures for a period (slot: whole, awake, asleep) that holds
// `count` readings, or an empty text when it did. A multi-day file is never divided into
// awake and asleep, so those periods have nothing whatever their count.
QString PeriodGap(const TextSource& texts, bool multiDay, int slot, int count);
// Why a figure comparing awake with asleep (the nocturnal fall) is missing, or empty.
QString FallGap(const TextSource& texts, bool multiDay, int awakeCount, int asleepCount);
// "—" with the reason, printed in place of a figure that was not computed: a zero would
// read as a measured value.
QString NotComputed(const TextSource& texts, const QString& reason);

}  // namespace vitalis::report
