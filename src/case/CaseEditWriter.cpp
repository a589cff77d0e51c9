#include "case/CaseEditWriter.h"

#include "case/CaseFileKeys.h"
#include "case/CaseHistory.h"
#include "case/ProfileStore.h"
#include "case/ReadingText.h"

namespace vitalis {
namespace {

bool WriteChangedReadings(ProfileStore& store, const std::string& section,
                          const CaseEditState& saved, const CaseEditState& now) {
    bool written = true;
    for (size_t i = 0; i < now.readings.size(); ++i) {
        const ReadingMark& mark = now.readings[i];
        if (i < saved.readings.size() && saved.readings[i] == mark) continue;
        const int number = mark.number > 0 ? mark.number : static_cast<int>(i) + 1;
        written = WriteReadingMark(store, section, number, mark.excluded, mark.remark) && written;
    }
    return written;
}

}  // namespace

bool WriteReadingMark(ProfileStore& store, std::string_view testSection, int number, bool excluded,
                      std::string_view remark) {
    std::string text = store.GetString(testSection, casekeys::ReadingKey(number), "");
    if (text.size() > kExclusionMarkPosition) text[kExclusionMarkPosition] = excluded ? '1' : '0';
    const bool textWritten = store.WriteString(testSection, casekeys::ReadingKey(number), text);
    return store.WriteString(testSection, casekeys::RemarkKey(number), remark) && textWritten;
}

bool WriteCaseEdits(const std::string& casePath, const CaseEditState& saved,
                    const CaseEditState& now, const std::vector<std::string>& historyLines) {
    // An existing case file only: a case that has gone from the disk is not made up again.
    ProfileStore store(casePath, ProfileOpen::ExistingOnly);
    ProfileStore::Batch batch(store);
    const std::string count =
        store.GetString(casekeys::kPatientSection, casekeys::kTestCount, casekeys::kNoString);
    if (count == casekeys::kNoString) {
        batch.Abandon();
        return false;
    }
    const std::string section = casekeys::TestSection(count);
    bool written = WriteChangedReadings(store, section, saved, now);
    if (written && saved.sheet != now.sheet) written = WritePatientSheet(store, now.sheet);
    if (written && saved.sleep != now.sleep) {
        written = store.WriteInt(section, "Awake Time", now.sleep.awake) &&
                  store.WriteInt(section, "Asleep Time", now.sleep.asleep);
    }
    if (written && saved.diary != now.diary) written = WriteDiary(store, now.diary);
    if (written) written = AppendHistory(store, historyLines);
    if (!written) {
        batch.Abandon();
        return false;
    }
    return batch.Commit();
}

}  // namespace vitalis
