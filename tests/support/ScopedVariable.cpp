#include "support/ScopedVariable.h"

#include <cstdlib>

namespace vitalis::test {
namespace {

void Put(const std::string& name, const std::optional<std::string>& value) {
    if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
    else
        ::unsetenv(name.c_str());
}

}  // namespace

ScopedVariable::ScopedVariable(std::string name, std::optional<std::string> value)
    : name_(std::move(name)) {
    if (const char* before = std::getenv(name_.c_str())) before_ = before;
    Put(name_, value);
}

ScopedVariable::~ScopedVariable() {
    Put(name_, before_);
}

}  // namespace vitalis::test
