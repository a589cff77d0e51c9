#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vitalis {

// A language text with numbered places ("Reading %1 of %2") filled in: %1 takes the first
// value, %2 the second, up to %9. A place without a value is left as it stands.
std::string FillNumbered(std::string_view text, const std::vector<std::string>& values);

}  // namespace vitalis
