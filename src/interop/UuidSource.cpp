#include "interop/UuidSource.h"

#include <cstdio>

namespace vitalis::fhir {

RandomUuids::RandomUuids() {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device(), device(), device()};
    engine_.seed(seed);
}

std::string RandomUuids::Next() {
    const uint64_t high = engine_();
    return FormatUuid4(high, engine_());
}

std::string FormatUuid4(uint64_t high, uint64_t low) {
    high = (high & ~uint64_t{0xF000}) | uint64_t{0x4000};          // version 4
    low = (low & ~(uint64_t{0xC} << 60)) | (uint64_t{0x8} << 60);  // RFC 4122 variant
    char text[37];
    std::snprintf(text, sizeof text, "%08x-%04x-%04x-%04x-%012llx",
                  static_cast<unsigned>(high >> 32), static_cast<unsigned>((high >> 16) & 0xFFFF),
                  static_cast<unsigned>(high & 0xFFFF), static_cast<unsigned>(low >> 48),
                  static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFull));
    return text;
}

}  // namespace vitalis::fhir
