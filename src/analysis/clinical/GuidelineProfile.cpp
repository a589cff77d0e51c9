#include "analysis/clinical/GuidelineProfile.h"

namespace vitalis::clinical {
namespace {

constexpr std::array<GuidelineProfile, 3> kProfiles{{
    {"esh2023",
     "ESH 2023",
     {PressureLimit{130, 80}, PressureLimit{135, 85}, PressureLimit{120, 70}},
     {140, 90}},
    {"acc-aha2017",
     "ACC/AHA 2017",
     {PressureLimit{125, 75}, PressureLimit{130, 80}, PressureLimit{110, 65}},
     {130, 80}},
    {"nice2019", "NICE NG136", {std::nullopt, PressureLimit{135, 85}, std::nullopt}, {140, 90}},
}};

}  // namespace

std::span<const GuidelineProfile> GuidelineProfiles() {
    return kProfiles;
}

const GuidelineProfile* FindGuideline(std::string_view id) {
    for (const GuidelineProfile& p : kProfiles) {
        if (p.id == id) return &p;
    }
    return nullptr;
}

const GuidelineProfile& GuidelineOrDefault(std::string_view id) {
    const GuidelineProfile* found = FindGuideline(id);
    return found ? *found : *FindGuideline(kDefaultGuidelineId);
}

}  // namespace vitalis::clinical
