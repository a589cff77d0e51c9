#pragma once

#include "case/ProcessIdentity.h"

namespace vitalis {

// The process and its effective user, through getpid, geteuid and the password database.
class PosixProcessIdentity : public ProcessIdentity {
  public:
    int64_t ProcessNumber() const override;
    uint64_t AccountNumber() const override;
    std::string AccountName() const override;
};

}  // namespace vitalis
