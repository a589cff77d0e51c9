#pragma once

#include <string>
#include <vector>

namespace vitalis::test {

struct ProgramResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program to its end with the given arguments and no standard input.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace vitalis::test
