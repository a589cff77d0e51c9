#pragma once

#include "ReportPage.h"
#include "case/Diary.h"

namespace vitalis::report {

// The patient's diary: a table of the nights (evening, to bed, got up) and one of the events
// (time, kind, note), each under its caption; a table without rows is left out.
ReportPage DiaryPage(const Diary& diary, const TextSource& texts);

}  // namespace vitalis::report
