#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace vitalis::fhir {

// Where the identities of exported resources come from. An export asks for one per
// resource; tests put in a source whose identities they know.
class UuidSource {
  public:
    virtual ~UuidSource() = default;
    // A UUID in its 36-character lower-case text form.
    virtual std::string Next() = 0;
};

// Random version-4 UUIDs, a fresh series for every source.
class RandomUuids final : public UuidSource {
  public:
    RandomUuids();
    std::string Next() override;

  private:
    std::mt19937_64 engine_;
};

// The text form of a version-4 UUID made of the two halves' bits (version and variant bits
// set over them).
std::string FormatUuid4(uint64_t high, uint64_t low);

}  // namespace vitalis::fhir
