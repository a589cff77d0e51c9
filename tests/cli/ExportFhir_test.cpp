#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "case/CaseWriter.h"
#include "case/TextSource.h"
#include "sim/SimRecording.h"
#include "support/CaseFixtures.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using nlohmann::json;
using test::RunProgram;
using test::TempFolder;

test::ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(VITALIS_CLI, args);
}

json ReadJson(const std::string& path) {
    return json::parse(test::ReadBytes(path));
}

// Readings of a bundle by kind: reading panels (they have a time of their own), means,
// pulses.
struct BundleParts {
    std::vector<json> panels, means, pulses;
    json report;
};

BundleParts PartsOf(const json& bundle) {
    BundleParts parts;
    for (const json& e : bundle["entry"]) {
        const json& r = e["resource"];
        if (r["resourceType"] == "DiagnosticReport") parts.report = r;
        if (r["resourceType"] != "Observation") continue;
        const std::string code = r["code"]["coding"][0]["code"];
        if (code == "8867-4")
            parts.pulses.push_back(r);
        else if (code == "96607-7")
            parts.means.push_back(r);
        else if (code == "85354-9")
            parts.panels.push_back(r);
    }
    return parts;
}

// A case written the way a download writes it, from a simulated monitor's recording.
void WriteSimCase(const std::string& path, uint32_t seed) {
    const sim::SimRecording rec = sim::GenerateRecording(seed);
    WriteReadings(path, rec.readings, NoTexts());
    CaseHeader header = test::SampleHeader(rec.start);
    header.patient.name = rec.patientName;
    header.patient.id = rec.patientId;
    WriteHeader(path, header);
}

// A day of readings with a few taken out by the clinician.
void WriteEditedCase(const std::string& path) {
    std::vector<Measurement> readings = test::SampleReadings({2026, 4, 2, 6, 0}, 80, 20);
    for (size_t i = 3; i < readings.size(); i += 11) {
        if (readings[i].status != 0) continue;
        readings[i].valid = 0;
        readings[i].remark = "moved during the reading";
    }
    WriteReadings(path, readings, NoTexts());
    WriteHeader(path, test::SampleHeader({2026, 4, 2, 6, 0}));
}

// The cases every check below runs on: a short and a full day, simulated monitors' days,
// a monthly file of several days, a case with excluded readings.
std::vector<std::string> WriteCases(const TempFolder& folder) {
    std::vector<std::string> cases{folder.File("2603010800.awp"), folder.File("2603020700.awp")};
    test::WriteSampleCase(cases[0], {2026, 3, 1, 8, 0}, 12);
    test::WriteSampleCase(cases[1], {2026, 3, 2, 7, 0}, 96);
    for (uint32_t seed : {1u, 7u, 42u}) {
        cases.push_back(folder.File("sim" + std::to_string(seed) + "0000000.awp"));
        WriteSimCase(cases.back(), seed);
    }
    std::filesystem::create_directories(folder.File("2026"));
    cases.push_back(folder.File("2026/5.awp"));
    test::WriteSampleCase(cases.back(), {2026, 5, 1, 9, 0}, 400);
    cases.push_back(folder.File("2604020600.awp"));
    WriteEditedCase(cases.back());
    return cases;
}

void ExpectNear(const json& quantity, double mean, const std::string& where) {
    // The bundle gives tenths; the analysis keeps single precision.
    EXPECT_LE(std::fabs(quantity["value"].get<double>() - mean), 0.0501) << where;
    EXPECT_EQ(quantity["code"], "mm[Hg]") << where;
}

// The bundle of a case against what analyze says about the same case.
void CompareWithAnalyze(const std::string& casePath, const json& bundle, bool all) {
    const auto analyzed = Cli({"analyze", casePath});
    ASSERT_EQ(analyzed.exitCode, 0) << analyzed.err;
    const json a = json::parse(analyzed.out);
    std::vector<json> analysed;
    size_t failed = 0, excluded = 0;
    for (const json& m : a["measurements"]) {
        if (!m["plausible"])
            ++failed;
        else if (m["valid"] == 1)
            analysed.push_back(m);
        else
            ++excluded;
    }
    const BundleParts parts = PartsOf(bundle);
    ASSERT_EQ(parts.panels.size(), all ? a["measurements"].size() : analysed.size()) << casePath;
    EXPECT_EQ(parts.pulses.size(), analysed.size() + (all ? excluded : 0)) << casePath;
    size_t cancelled = 0, interpreted = 0, next = 0;
    for (const json& p : parts.panels) {
        if (p["status"] == "cancelled") ++cancelled;
        if (p.contains("interpretation")) ++interpreted;
        if (p["status"] == "cancelled" || p.contains("interpretation")) continue;
        const json& m = analysed.at(next++);
        EXPECT_EQ(p["component"][0]["valueQuantity"]["value"], m["sys"]) << casePath;
        EXPECT_EQ(p["component"][1]["valueQuantity"]["value"], m["dia"]) << casePath;
        EXPECT_EQ(p["component"][2]["valueQuantity"]["value"], m["map"]) << casePath;
    }
    EXPECT_EQ(next, analysed.size());
    EXPECT_EQ(cancelled, all ? failed : 0u) << casePath;
    EXPECT_EQ(interpreted, all ? excluded : 0u) << casePath;

    size_t mean = 0;
    for (const char* period : {"whole", "awake", "asleep"}) {
        const json& stats = a["analysis"]["periods"][period];
        if (stats["count"] == 0) continue;
        ASSERT_LT(mean, parts.means.size()) << casePath << " " << period;
        const json& c = parts.means[mean++]["component"];
        ExpectNear(c[0]["valueQuantity"], stats["sys"]["mean"], casePath + " " + period);
        ExpectNear(c[1]["valueQuantity"], stats["dia"]["mean"], casePath + " " + period);
    }
    EXPECT_EQ(mean, parts.means.size()) << casePath;
    EXPECT_EQ(parts.report["result"].size(), parts.panels.size() + parts.means.size());
    EXPECT_FALSE(parts.report["conclusion"].get<std::string>().empty());
}

test::ProgramResult Validate(const std::vector<std::string>& files) {
    std::vector<std::string> args{VITALIS_FHIR_VALIDATOR};
    args.insert(args.end(), files.begin(), files.end());
    return RunProgram(VITALIS_NODE, args);
}

TEST(CliExportFhir, BundlesOfRealAndGeneratedCasesMatchAnalyzeAndTheOfficialSchema) {
    ASSERT_TRUE(std::filesystem::exists(VITALIS_NODE)) << "Node is missing: run scripts/setup";
    TempFolder folder;
    std::vector<std::string> bundles;
    for (const std::string& casePath : WriteCases(folder)) {
        for (const bool all : {false, true}) {
            const std::string out = casePath + (all ? ".all.json" : ".json");
            std::vector<std::string> args{"export-fhir", casePath, out};
            if (all) args.push_back("--all");
            const auto run = Cli(args);
            ASSERT_EQ(run.exitCode, 0) << casePath << ": " << run.err;
            EXPECT_EQ(run.out, out + "\n");
            CompareWithAnalyze(casePath, ReadJson(out), all);
            bundles.push_back(out);
        }
    }
    const auto valid = Validate(bundles);
    EXPECT_EQ(valid.exitCode, 0) << valid.out << valid.err;
}

TEST(CliExportFhir, TheSchemaCheckRefusesABrokenBundle) {
    ASSERT_TRUE(std::filesystem::exists(VITALIS_NODE)) << "Node is missing: run scripts/setup";
    TempFolder folder;
    const std::string casePath = folder.File("2603010800.awp");
    test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 12);
    ASSERT_EQ(Cli({"export-fhir", casePath, folder.File("good.json")}).exitCode, 0);
    json bundle = ReadJson(folder.File("good.json"));
    bundle["entry"][1]["resource"]["status"] = "done";  // no Observation status
    test::WriteBytes(folder.File("status.json"), bundle.dump());
    bundle = ReadJson(folder.File("good.json"));
    bundle["entry"][0]["resource"]["gender"] = "f";
    test::WriteBytes(folder.File("gender.json"), bundle.dump());
    bundle = ReadJson(folder.File("good.json"));
    bundle["entry"].back()["resource"]["effectivePeriod"]["start"] = "2026-03-01 08:00";
    test::WriteBytes(folder.File("time.json"), bundle.dump());
    EXPECT_EQ(Validate({folder.File("good.json")}).exitCode, 0);
    for (const char* broken : {"status.json", "gender.json", "time.json"})
        EXPECT_EQ(Validate({folder.File(broken)}).exitCode, 1) << broken;
}

TEST(CliExportFhir, ClearErrorsAndNothingLeftBehind) {
    TempFolder folder;
    const std::string casePath = folder.File("2603010800.awp");
    test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 12);
    const auto missing = Cli({"export-fhir", folder.File("nope.awp"), folder.File("a.json")});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_NE(missing.err.find("nope.awp (unreadable: "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.File("a.json")));
    const auto unwritable = Cli({"export-fhir", casePath, folder.File("no/folder/a.json")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.File("no")));
    EXPECT_EQ(Cli({"export-fhir", casePath}).exitCode, 2);
    EXPECT_EQ(Cli({"export-fhir", casePath, folder.File("a.json"), "--bogus"}).exitCode, 2);
    const auto guideline =
        Cli({"export-fhir", casePath, folder.File("a.json"), "--guideline", "nope"});
    EXPECT_EQ(guideline.exitCode, 2);
    EXPECT_NE(guideline.err.find("unknown guideline"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.File("a.json")));
    // An existing file is replaced whole.
    test::WriteBytes(folder.File("a.json"), std::string(100000, 'x'));
    ASSERT_EQ(Cli({"export-fhir", casePath, folder.File("a.json")}).exitCode, 0);
    EXPECT_EQ(ReadJson(folder.File("a.json"))["type"], "collection");
}

}  // namespace
}  // namespace vitalis
