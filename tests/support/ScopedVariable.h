#pragma once

#include <optional>
#include <string>

namespace vitalis::test {

// Sets (or, with no value, removes) one environment variable for the life of the object and
// puts back what was there before.
class ScopedVariable {
  public:
    ScopedVariable(std::string name, std::optional<std::string> value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    std::string name_;
    std::optional<std::string> before_;
};

}  // namespace vitalis::test
