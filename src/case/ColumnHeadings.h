#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vitalis {

// Column titles and widths of a list, as a language text holds them: "title,width;" for each
// column in order ("No.,40;Time,60;"). A missing or bad width reads as 0.
struct ColumnHeading {
    std::string title;
    int width = 0;
};
std::vector<ColumnHeading> ParseColumnHeadings(std::string_view text);

}  // namespace vitalis
