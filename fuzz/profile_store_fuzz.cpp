// Any bytes as a settings file: reading, listing and rewriting must never fail hard.
#include <cstddef>
#include <cstdint>
#include <string>

#include "case/FileAccess.h"
#include "case/ProfileStore.h"
#include "fuzz/FuzzFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vitalis;
    const std::string path = fuzz::WriteInput("profile.ini", data, size);
    ProfileStore store(path);
    for (const std::string& section : store.SectionNames()) {
        for (const std::string& key : store.KeyNames(section)) {
            store.GetString(section, key, "");
            store.GetInt(section, key, 0);
        }
    }
    store.WriteString("Fuzz", "key", "value\r\nnext");
    store.DeleteKey("Fuzz", "key");
    if (!store.SectionNames().empty()) store.DeleteSection(store.SectionNames().front());
    return 0;
}
