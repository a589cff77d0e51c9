#pragma once

#include <string>

#include "case/TextSource.h"

namespace vitalis {

class ProfileStore;

// Why a case file cannot be read, so that every message about it can say so.
enum class CaseFault {
    None,
    Unreadable,   // the system refused it: detail holds its error text
    Empty,        // no byte at all
    NotCaseFile,  // bytes, but not the sections of a case file
    Truncated,    // a case file that ends before its last reading
};

struct CaseReadError {
    CaseFault fault = CaseFault::None;
    std::string detail;  // the system's error text (Unreadable)
    int found = 0;       // readings present (Truncated)
    int expected = 0;    // readings the file announces (Truncated); 0 when the count is not known
    explicit operator bool() const { return fault != CaseFault::None; }
};

// What can be told before the content is parsed: missing, refused, a folder, empty.
CaseReadError ProbeCaseFile(const std::string& path);

// What the parsed content shows: no patient or test section, or readings missing at the end.
// A file cut anywhere loses its last lines first, so the last announced reading tells.
CaseReadError CheckCaseContent(const ProfileStore& store);

// Both, in order: the file's whole verdict as the case list and the loaders see it.
CaseReadError CheckCaseFile(const std::string& path, const ProfileStore& store);

// The reason alone ("truncated: 47 of 138 readings"), in the user's language.
std::string CaseFaultReason(const TextSource& texts, const CaseReadError& error);
// "damaged or not a case file: NAME (reason)", for a message when opening fails.
std::string DamagedCaseMessage(const TextSource& texts, const std::string& fileName,
                               const CaseReadError& error);
// "damaged: reason", for the file's row in the case list.
std::string DamagedCaseRow(const TextSource& texts, const CaseReadError& error);

}  // namespace vitalis
