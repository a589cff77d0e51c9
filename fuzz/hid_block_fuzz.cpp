// Any bytes as a packed HID-generation block: the first byte picks the device type the
// frame is checked against, the rest is the frame. Every decoder must refuse or decode.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "device/hid/HidBlocks.h"
#include "device/link/HighBitPacking.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int deviceType = data[0];
    const std::span<const uint8_t> frame(data + 1, size - 1);
    [[maybe_unused]] const auto settings = vitalis::DecodeSettingsFrame(frame, deviceType);
    [[maybe_unused]] const auto header = vitalis::DecodeMeasurementHeaderFrame(frame, deviceType);
    [[maybe_unused]] const auto oxygen = vitalis::DecodeOxygenHeaderFrame(frame, deviceType);
    std::vector<uint8_t> raw;
    vitalis::UnpackHighBits(frame, raw, vitalis::UnpackedLength(frame.size()));
    // Whatever the bytes unpacked to must survive packing and unpacking unchanged.
    std::vector<uint8_t> again;
    if (vitalis::UnpackHighBits(vitalis::PackHighBits(raw), again, raw.size()) !=
            vitalis::UnpackResult::Good ||
        again != raw)
        __builtin_trap();
    return 0;
}
