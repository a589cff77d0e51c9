#include "shell/ReportMonitor.h"

#include <algorithm>
#include <cctype>

#include "case/CaseFileKeys.h"
#include "case/ProfileStore.h"

namespace vitalis {

namespace {

// The fixed addresses that stand for a monitor generation, not for one monitor.
bool IsGenerationAddress(const std::string& address) {
    return address == "000000000101" || address == "0000000001FF" || address == "000000000201";
}

bool IsHexAddress(const std::string& address) {
    return address.size() == 12 &&
           std::ranges::all_of(address, [](unsigned char c) { return std::isxdigit(c) != 0; });
}

}  // namespace

std::string ReportMonitorOfCase(const std::string& casePath) {
    if (casePath.empty()) return {};
    const ProfileStore store(casePath, ProfileOpen::ExistingOnly);
    const std::string type = store.GetString(casekeys::kPatientSection, "Type", "");
    if (type.empty()) return {};
    const std::string address = store.GetString(casekeys::kPatientSection, "BTH_ADDR", "");
    if (!IsHexAddress(address) || IsGenerationAddress(address)) return type;
    return type + " " + address;
}

std::string ReportMonitorOfHandOff(const std::string& applicationDirectory) {
    const ProfileStore start(applicationDirectory + "/Cnf.start", ProfileOpen::ExistingOnly);
    return ReportMonitorOfCase(start.GetString("START", "CasePath", ""));
}

}  // namespace vitalis
