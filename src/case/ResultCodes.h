#pragma once

#include <string>
#include <string_view>

#include "case/TextSource.h"

namespace vitalis {

// The language key of the failure text of a reading's result code; empty for 0 and 3,
// which are successful readings. Every key lives in the section "Global Setting".
std::string_view FailureTextKey(int status);
inline constexpr std::string_view kFailureTextSection = kGlobalTexts;

// The failure text of a result code in the given language; empty for successful readings.
std::string FailureText(int status, const TextSource& texts);

}  // namespace vitalis
