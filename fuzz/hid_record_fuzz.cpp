// Any bytes as one HID-generation measurement record: the first five bytes give the start
// the record's offset counts from, the rest is the packed record.
#include <cstddef>
#include <cstdint>
#include <span>

#include "case/TextSource.h"
#include "device/hid/HidBlocks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5) return 0;
    const vitalis::ClockTime start{2000 + data[0], data[1], data[2], data[3], data[4]};
    const vitalis::NoTexts texts;
    [[maybe_unused]] const auto record =
        vitalis::DecodeRecordFrame(std::span(data + 5, size - 5), start, texts);
    return 0;
}
