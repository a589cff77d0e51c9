#include "device/session/SessionMessages.h"

namespace vitalis {

std::string MessageText(const UiMessage& message, const TextSource& texts) {
    std::string text = texts.Text(message.section, message.key);
    if (message.detail.empty()) return text;
    if (text.empty()) return message.detail;
    return text + "\r\n" + message.detail;
}

}  // namespace vitalis
