#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace vitalis::test {

// A program running beside the test, its standard output on a pipe, stopped (SIGTERM, then
// waited for) when the object goes.
class BackgroundProgram {
  public:
    BackgroundProgram(const std::string& program, const std::vector<std::string>& args);
    ~BackgroundProgram();
    BackgroundProgram(const BackgroundProgram&) = delete;
    BackgroundProgram& operator=(const BackgroundProgram&) = delete;

    bool Started() const { return pid_ > 0; }
    // The next line it prints, without the line end; empty when none came within the time
    // or the program ended.
    std::string Line(std::chrono::milliseconds within = std::chrono::seconds(5));
    void Stop();

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
};

}  // namespace vitalis::test
