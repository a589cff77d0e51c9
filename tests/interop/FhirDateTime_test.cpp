#include "interop/FhirDateTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <regex>

#include "interop/UuidSource.h"

namespace vitalis {
namespace {

// Sets the process's time zone for one test and puts the old one back after it.
class ZoneScope {
  public:
    explicit ZoneScope(const char* zone) {
        const char* tz = std::getenv("TZ");
        if (tz) saved_ = tz;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneScope() {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

  private:
    std::optional<std::string> saved_;
};

TEST(FhirDateTime, OffsetIsTheLocalZonesAtThatDateWithSummerTime) {
    ZoneScope zone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(fhir::LocalDateTime({2026, 1, 15, 8, 5}), "2026-01-15T08:05:00+01:00");
    EXPECT_EQ(fhir::LocalDateTime({2026, 7, 15, 23, 59}), "2026-07-15T23:59:00+02:00");
    // Summer time ends at 03:00 on 25 October 2026: before and after the change.
    EXPECT_EQ(fhir::LocalDateTime({2026, 10, 24, 12, 0}), "2026-10-24T12:00:00+02:00");
    EXPECT_EQ(fhir::LocalDateTime({2026, 10, 26, 12, 0}), "2026-10-26T12:00:00+01:00");
}

TEST(FhirDateTime, ZonesWestOfGreenwichAndHalfHoursAndUtc) {
    {
        ZoneScope zone("NST3:30NDT,M3.2.0,M11.1.0");
        EXPECT_EQ(fhir::LocalDateTime({2026, 1, 2, 0, 0}), "2026-01-02T00:00:00-03:30");
        EXPECT_EQ(fhir::LocalDateTime({2026, 6, 2, 0, 0}), "2026-06-02T00:00:00-02:30");
    }
    ZoneScope zone("UTC0");
    EXPECT_EQ(fhir::LocalDateTime({2026, 2, 28, 9, 30}), "2026-02-28T09:30:00+00:00");
    EXPECT_EQ(fhir::LocalDateTime({100, 1, 1, 0, 0}), "0100-01-01T00:00:00+00:00");
}

TEST(FhirDateTime, NoTextForAClockThatIsNotReal) {
    ZoneScope zone("UTC0");
    EXPECT_FALSE(fhir::LocalDateTime({2026, 2, 29, 9, 30}));
    EXPECT_FALSE(fhir::LocalDateTime({2026, 13, 1, 9, 30}));
    EXPECT_FALSE(fhir::LocalDateTime({2026, 1, 1, 24, 0}));
    EXPECT_FALSE(fhir::LocalDateTime({0, 0, 0, 0, 0}));
}

TEST(FhirUuid, VersionAndVariantBitsOverAnyBits) {
    EXPECT_EQ(fhir::FormatUuid4(0, 0), "00000000-0000-4000-8000-000000000000");
    EXPECT_EQ(fhir::FormatUuid4(~0ull, ~0ull), "ffffffff-ffff-4fff-bfff-ffffffffffff");
    EXPECT_EQ(fhir::FormatUuid4(0x0123456789abcdefull, 0xfedcba9876543210ull),
              "01234567-89ab-4def-bedc-ba9876543210");
    fhir::RandomUuids uuids;
    const std::regex form("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");
    const std::string a = uuids.Next(), b = uuids.Next();
    EXPECT_TRUE(std::regex_match(a, form)) << a;
    EXPECT_TRUE(std::regex_match(b, form)) << b;
    EXPECT_NE(a, b);
    EXPECT_NE(fhir::RandomUuids().Next(), fhir::RandomUuids().Next());
}

}  // namespace
}  // namespace vitalis
