// Any bytes as a case file: Load must end with true or false, never crash or hang.
#include <cstddef>
#include <cstdint>

#include "case/Recording.h"
#include "fuzz/FuzzFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vitalis::Recording recording;
    recording.casePath = vitalis::fuzz::WriteInput("case.awp", data, size);
    if (recording.Load()) recording.SaveEdits();
    return 0;
}
