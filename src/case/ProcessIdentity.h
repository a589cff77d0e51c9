#pragma once

#include <cstdint>
#include <string>

namespace vitalis {

// The running program as the operating system knows it: its process and the account it
// runs under. The platform's implementation lives beside the file system's.
class ProcessIdentity {
  public:
    virtual ~ProcessIdentity() = default;

    virtual int64_t ProcessNumber() const = 0;
    virtual uint64_t AccountNumber() const = 0;
    // The account's name from the system's user database, not from an environment variable
    // anybody can set; empty when the database has none.
    virtual std::string AccountName() const = 0;
};

// This program, for the life of the program.
const ProcessIdentity& ThisProcess();

}  // namespace vitalis
