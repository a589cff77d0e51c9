#include "case/CaseReadError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "case/AsciiCase.h"
#include "case/CaseFileKeys.h"
#include "case/FileAccess.h"
#include "case/NumberedText.h"
#include "case/ProfileStore.h"
#include "case/TextSource.h"

namespace vitalis {
namespace {

using namespace casekeys;

constexpr std::string_view kSection = kGlobalTexts;

CaseReadError Unreadable(int error) {
    return {CaseFault::Unreadable, std::strerror(error), 0, 0};
}

// The text of a key; the English wording when the language file lacks it, so a message
// about a damaged file is never blank (the command line runs without a language file too).
std::string TextOr(const TextSource& texts, std::string_view key, std::string_view english) {
    std::string text = texts.Text(kSection, key);
    return text.empty() ? std::string(english) : text;
}

int ReadingsPresent(const ProfileStore& store, const std::string& test, int expected) {
    int found = 0;
    while (found < expected && store.HasKey(test, ReadingKey(found + 1))) ++found;
    return found;
}

}  // namespace

CaseReadError ProbeCaseFile(const std::string& path) {
    const FileSystem& files = SystemFileSystem();
    const OpenedFile opened = files.OpenForReading(path);
    if (opened.handle < 0) return Unreadable(opened.error);
    const FilePin pin(opened.handle);
    // A handle just opened can be asked about and read; when the system still fails, the
    // device did.
    const std::optional<FileStatus> status = files.StatusOfOpen(opened.handle);
    if (!status) return Unreadable(EIO);
    if (status->directory) return Unreadable(EISDIR);
    if (!status->regular) return {CaseFault::NotCaseFile, {}, 0, 0};
    if (status->identity.size == 0) return {CaseFault::Empty, {}, 0, 0};
    if (status->identity.size > kMaxProfileFileBytes) return {CaseFault::NotCaseFile, {}, 0, 0};
    char byte = 0;
    if (!files.ReadAt(opened.handle, &byte, 1, 0)) return Unreadable(EIO);
    return {};
}

CaseReadError CheckCaseContent(const ProfileStore& store) {
    if (store.ReadFailed()) return Unreadable(EIO);
    const std::string count = store.GetString(kPatientSection, kTestCount, kNoString);
    if (count != kNoString) {
        const std::string test = TestSection(count);
        if (!store.HasKey(test, "Count")) return {CaseFault::Truncated, {}, 0, 0};
        const int expected = store.GetInt(test, "Count", 0);
        if (expected < 0 || expected > kMaxReadings) return {CaseFault::NotCaseFile, {}, 0, 0};
        if (expected == 0 || store.HasKey(test, ReadingKey(expected))) return {};
        return {CaseFault::Truncated, {}, ReadingsPresent(store, test, expected), expected};
    }
    // The download files the readings before the patient's header, so a file cut short may
    // hold a test and no header: that is a case file cut short, not a foreign one.
    for (const std::string& section : store.SectionNames()) {
        if (section.size() < 5 ||
            !EqualsIgnoringCase(std::string_view(section).substr(0, 5), "TEST "))
            continue;
        const int expected = std::clamp(store.GetInt(section, "Count", 0), 0, kMaxReadings);
        const int found = ReadingsPresent(store, section, expected);
        if (found < expected) return {CaseFault::Truncated, {}, found, expected};
        return {CaseFault::Truncated, {}, 0, 0};
    }
    return {CaseFault::NotCaseFile, {}, 0, 0};
}

CaseReadError CheckCaseFile(const std::string& path, const ProfileStore& store) {
    if (CaseReadError probed = ProbeCaseFile(path)) return probed;
    return CheckCaseContent(store);
}

std::string CaseFaultReason(const TextSource& texts, const CaseReadError& error) {
    switch (error.fault) {
        case CaseFault::None:
            return {};
        case CaseFault::Unreadable:
            return FillNumbered(TextOr(texts, "IDS_FAULT_UNREADABLE", "unreadable: %1"),
                                {error.detail});
        case CaseFault::Empty:
            return TextOr(texts, "IDS_FAULT_EMPTY", "the file is empty");
        case CaseFault::NotCaseFile:
            return TextOr(texts, "IDS_FAULT_NOT_CASE", "not a case file");
        case CaseFault::Truncated:
            if (error.expected == 0)
                return TextOr(texts, "IDS_FAULT_CUT", "truncated: the file ends too early");
            return FillNumbered(
                TextOr(texts, "IDS_FAULT_TRUNCATED", "truncated: %1 of %2 readings"),
                {std::to_string(error.found), std::to_string(error.expected)});
    }
    return {};
}

std::string DamagedCaseMessage(const TextSource& texts, const std::string& fileName,
                               const CaseReadError& error) {
    return FillNumbered(TextOr(texts, "IDS_DAMAGED_CASE", "damaged or not a case file: %1 (%2)"),
                        {fileName, CaseFaultReason(texts, error)});
}

std::string DamagedCaseRow(const TextSource& texts, const CaseReadError& error) {
    return FillNumbered(TextOr(texts, "IDS_DAMAGED_ROW", "damaged: %1"),
                        {CaseFaultReason(texts, error)});
}

}  // namespace vitalis
