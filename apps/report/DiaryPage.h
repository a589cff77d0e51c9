#pragma once

#include <QSize>
#include <vector>

#include "ReportPage.h"
#include "case/Diary.h"

namespace vitalis::report {

// The patient's diary: a table of the nights (evening, to bed, got up) and one of the events
// (time, kind, note), each under its caption; a table without rows is left out. A diary
// longer than a page goes on over as many pages as it needs, each under the diary's heading,
// and a table that goes on repeats its caption and its caption row; no row is split.
std::vector<ReportPage> DiaryPages(const Diary& diary, const TextSource& texts, const QSize& body);

}  // namespace vitalis::report
