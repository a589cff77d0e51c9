// Any bytes as a language file: the table must load them (whatever the encoding, line ends or
// lengths) and answer every lookup without crashing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzFile.h"
#include "shell/LanguageTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vitalis::fuzz::WriteInput("Language/English.lng", data, size);
    vitalis::LanguageTable table(vitalis::fuzz::ScratchFolder());
    table.SelectLanguageFile("English");
    table.LoadLanguage();
    for (const char* section : {"Global Setting", "General", ""}) {
        for (const auto& key : table.KeyNames(section))
            [[maybe_unused]] const std::string text = table.GetText(section, key);
    }
    [[maybe_unused]] const auto count = table.SectionCount();
    return 0;
}
