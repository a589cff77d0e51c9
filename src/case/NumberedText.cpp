#include "case/NumberedText.h"

namespace vitalis {

std::string FillNumbered(std::string_view text, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t slot = static_cast<size_t>(text[i + 1] - '1');
            if (slot < values.size()) {
                out += values[slot];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace vitalis
