#include "case/posix/PosixProcessIdentity.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace vitalis {

const ProcessIdentity& ThisProcess() {
    static const PosixProcessIdentity process;
    return process;
}

int64_t PosixProcessIdentity::ProcessNumber() const {
    return static_cast<int64_t>(::getpid());
}

uint64_t PosixProcessIdentity::AccountNumber() const {
    return static_cast<uint64_t>(::geteuid());
}

std::string PosixProcessIdentity::AccountName() const {
    std::vector<char> buffer(4096);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_name != nullptr) {
        return found->pw_name;
    }
    return {};
}

}  // namespace vitalis
