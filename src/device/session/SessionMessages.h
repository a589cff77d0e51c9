#pragma once

#include <string>

#include "case/TextSource.h"
#include "device/session/SessionUi.h"

namespace vitalis {

// The language keys of the session's own messages, beyond the ones the monitor protocols
// have always used. All in the section "ZuzodIriz".
inline constexpr const char* kSessionSection = kNoticeTexts;
// Fewer readings arrived than the monitor announced; the detail says "<arrived>/<announced>".
inline constexpr const char* kReadingsMissingKey = "IDS_READINGS_MISSING";
// A reading arrived damaged; the detail says how many had arrived whole before it.
inline constexpr const char* kReadingUnreadableKey = "IDS_READING_UNREADABLE";
// The monitor announced more readings than any recording can hold.
inline constexpr const char* kTooManyReadingsKey = "IDS_TOO_MANY_READINGS";
// The status text of a session the user cancelled.
inline constexpr const char* kSessionCancelledKey = "IDS_SESSION_CANCELLED";
// "Reading %1 of %2": the readings of a download so far and the number announced.
inline constexpr const char* kReadingOfKey = "IDS_READING_OF";

// The text a message box shows: the key's text in the current language, then the detail on
// its own line. A key without text shows the detail alone.
std::string MessageText(const UiMessage& message, const TextSource& texts);

}  // namespace vitalis
