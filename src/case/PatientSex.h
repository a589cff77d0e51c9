#pragma once

#include <string>
#include <string_view>

#include "case/TextSource.h"

namespace vitalis {

// The patient's sex as the case file's "Gender" key stores it. 0 is what a case holds when
// nobody entered the sex, so it means "unknown"; every reader and writer of the key goes
// through this table so that a code means the same on the sheet, in the report and in
// exports.
enum class PatientSex { Unknown = 0, Male = 1, Female = 2 };

// A stored code as a sex; codes the table does not know read as unknown.
PatientSex SexFromCode(int code);
int SexCode(PatientSex sex);

// The language key ("Global Setting") of the sex's name.
std::string_view SexTextKey(PatientSex sex);
// The sex's name in the user's language.
std::string SexText(PatientSex sex, const TextSource& texts);

}  // namespace vitalis
