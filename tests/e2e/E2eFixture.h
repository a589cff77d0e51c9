#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "case/Recording.h"
#include "support/BackgroundProgram.h"
#include "support/CaseFixtures.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"

namespace vitalis::test {

// An application folder of its own (configuration, English texts, case folder) and
// heron-sim playing a monitor that holds a small recording.
struct E2eTest : ::testing::Test {
    TempFolder app;
    std::string cases = app.File("cases");
    std::unique_ptr<BackgroundProgram> sim;

    E2eTest() {
        app.AddShippedLanguages();
        // The programs' own settings folder of this test, never the real user's.
        ::setenv("XDG_CONFIG_HOME", app.File("user-settings").c_str(), 1);
    }

    // A recording of `count` readings every 15 minutes from `begin`, for the monitor.
    std::string Recording(const ClockTime& begin, int count, const std::string& patient = {}) {
        const std::string path = app.File("monitor-holds.awp");
        std::filesystem::remove(path);
        CaseHeader header = SampleHeader(begin);
        if (!patient.empty()) header.patient.name = patient;
        WriteReadings(path, SampleReadings(begin, count), NoTexts());
        WriteHeader(path, header);
        return path;
    }

    // Starts the simulator; the link to it, or empty when it did not come up.
    std::string StartSim(std::vector<std::string> args) {
        sim = std::make_unique<BackgroundProgram>(HERON_SIM, args);
        const std::string line = sim->Line();
        if (line.starts_with("serial: ")) return "serial:" + line.substr(8);
        if (line.starts_with("tcp: ")) return "tcp:" + line.substr(5);
        return {};
    }

    ProgramResult Cli(std::vector<std::string> args) {
        args.push_back("--app-dir");
        args.push_back(app.path());
        return RunProgram(VITALIS_CLI, args);
    }
    ProgramResult Download(const std::string& link, std::vector<std::string> more = {}) {
        std::vector<std::string> args{"download", "--link", link, "--case-folder", cases};
        args.insert(args.end(), more.begin(), more.end());
        return Cli(args);
    }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    // Every file below the case folder.
    std::vector<std::string> CaseFiles() const {
        std::vector<std::string> files;
        if (!std::filesystem::exists(cases)) return files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(cases))
            if (entry.is_regular_file()) files.push_back(entry.path().string());
        return files;
    }
    static size_t ReadingsIn(const std::string& path) {
        vitalis::Recording recording;
        recording.casePath = path;
        EXPECT_TRUE(recording.Load()) << path;
        return recording.allMeasurements().size();
    }
};

}  // namespace vitalis::test
