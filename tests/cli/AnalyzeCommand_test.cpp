#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "case/CaseWriter.h"
#include "case/ProfileStore.h"
#include "support/CaseFixtures.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using Json = nlohmann::ordered_json;
using test::TempFolder;
using test::WriteBytes;

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    Json json;
};

CliRun RunCli(const std::vector<std::string>& args) {
    const test::ProgramResult result = test::RunProgram(VITALIS_CLI, args);
    CliRun run;
    run.exitCode = result.exitCode;
    run.out = result.out;
    run.err = result.err;
    run.json = Json::parse(run.out, nullptr, false);
    return run;
}

const ClockTime kBegin{2026, 3, 1, 8, 0};

Measurement At(int sys, int dia, int pr, int minutesAfterBegin) {
    Measurement m;
    m.sys = sys, m.dia = dia, m.pr = pr, m.map = dia + (sys - dia) / 2;
    m.offsetMinutes = minutesAfterBegin;
    m.valid = 1;
    return m;
}

// Awake 141/91, 130/80, 130/85 at 12:00-14:00; asleep 125/70 at 23:00.
void WriteSmallCase(const std::string& path) {
    std::vector<Measurement> readings{At(141, 91, 61, 240), At(130, 80, 70, 300),
                                      At(130, 85, 72, 360), At(125, 70, 70, 900)};
    for (size_t i = 0; i < readings.size(); ++i) readings[i].index = static_cast<int>(i);
    WriteReadings(path, readings, NoTexts());
    WriteHeader(path, test::SampleHeader(kBegin));
}

std::vector<std::string> Keys(const Json& object) {
    std::vector<std::string> keys;
    for (auto it = object.begin(); it != object.end(); ++it) keys.push_back(it.key());
    return keys;
}

class AnalyzeCli : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string casePath = folder.File("260301080000.awp");
};

TEST_F(AnalyzeCli, PrintsTheWholeContract) {
    test::WriteSampleCase(casePath, kBegin, 96);
    const CliRun run = RunCli({"analyze", casePath});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_FALSE(run.json.is_discarded());
    const Json& a = run.json.at("analysis");
    EXPECT_EQ(Keys(a), (std::vector<std::string>{"divided",
                                                 "validCount",
                                                 "awakeCount",
                                                 "asleepCount",
                                                 "periods",
                                                 "spread",
                                                 "awakeSysLoad",
                                                 "awakeDiaLoad",
                                                 "asleepSysLoad",
                                                 "asleepDiaLoad",
                                                 "totalSysLoad",
                                                 "totalDiaLoad",
                                                 "variationComputed",
                                                 "sysHourlyRatio",
                                                 "diaHourlyRatio",
                                                 "hourlyRatioComputed",
                                                 "sysNocturnalFall",
                                                 "diaNocturnalFall",
                                                 "nocturnalFallComputed",
                                                 "histograms",
                                                 "summaries",
                                                 "correlation",
                                                 "report"}));
    EXPECT_TRUE(a.at("divided").get<bool>());
    const int valid = a.at("validCount");
    EXPECT_EQ(valid, run.json.at("recording").at("validMeasurementsCount").get<int>());
    EXPECT_EQ(valid, a.at("awakeCount").get<int>() + a.at("asleepCount").get<int>());
    EXPECT_GT(a.at("asleepCount").get<int>(), 0);
    for (const char* period : {"whole", "awake", "asleep"}) {
        SCOPED_TRACE(period);
        EXPECT_EQ(a.at("periods").at(period).size(), 8u);
        EXPECT_EQ(a.at("spread").at(period).size(), 4u);
        EXPECT_EQ(a.at("histograms").at(period).at("sys").size(), 14u);
        EXPECT_EQ(a.at("histograms").at(period).at("dia").size(), 15u);
        EXPECT_EQ(a.at("histograms").at(period).at("pr").size(), 15u);
        EXPECT_EQ(a.at("summaries").at(period).at("pr").size(), 16u);
    }
    const Json& c = a.at("correlation");
    EXPECT_EQ(c.at("awakePoints").size() + c.at("asleepPoints").size(), static_cast<size_t>(valid));
    EXPECT_EQ(c.at("awakePoints").at(0).size(), 2u);
    EXPECT_EQ(Keys(a.at("report")),
              (std::vector<std::string>{"reportR", "reportDiaOnSysSlope", "reportDiaOnSysIntercept",
                                        "reportSysOnDiaSlope", "reportSysOnDiaIntercept",
                                        "reportCentreSys", "reportCentreDia", "stiffnessIndex"}));
    EXPECT_TRUE(a.at("variationComputed").get<bool>());
    EXPECT_TRUE(a.at("hourlyRatioComputed").get<bool>());
    EXPECT_TRUE(a.at("nocturnalFallComputed").get<bool>());
}

TEST_F(AnalyzeCli, FiguresAndSinglePrecisionMeans) {
    WriteSmallCase(casePath);
    const CliRun run = RunCli({"analyze", casePath});
    ASSERT_EQ(run.exitCode, 0);
    const Json& a = run.json.at("analysis");
    const Json& awake = a.at("periods").at("awake");
    EXPECT_EQ(awake.at("sys").at("mean").get<double>(), static_cast<double>(401.0f / 3.0f));
    EXPECT_EQ(awake.at("sysAboveCount").get<int>(), 1);
    EXPECT_EQ(a.at("awakeSysLoad").get<double>(), 1.0 / 3.0);
    EXPECT_EQ(a.at("asleepSysLoad").get<double>(), 1.0);
    EXPECT_EQ(a.at("totalSysLoad").get<double>(), 0.5);
    const double awakeMean = static_cast<double>(401.0f / 3.0f);
    EXPECT_EQ(a.at("sysNocturnalFall").get<double>(), (awakeMean - 125.0) / awakeMean);
    // Whole-recording SYS 141, 130, 130, 125 against 100-140: 130 and 125 within.
    const Json& sys = a.at("summaries").at("whole").at("sys");
    EXPECT_EQ(sys.at("aboveFraction").get<double>(), 0.25);
    EXPECT_EQ(sys.at("maxHour").get<int>(), 12);
    EXPECT_EQ(sys.at("minHour").get<int>(), 23);
    // The asleep summary starts from the asleep thresholds: 125 is above 120.
    EXPECT_EQ(a.at("summaries").at("asleep").at("sys").at("aboveFraction").get<double>(), 1.0);
    EXPECT_EQ(a.at("correlation").at("asleepPoints"), Json::parse("[[125, 70]]"));
}

TEST_F(AnalyzeCli, ThresholdsFromTheConfigurationAndRangesForEveryPeriod) {
    WriteSmallCase(casePath);
    const std::string config = folder.File("VurConfig.ini");
    WriteBytes(config,
               "[Previous Config]\r\nCurrent Config=family\r\n[Configfamily]\r\n"
               "Awake Sys Thresh=129\r\nAsleep Dia Thresh=69\r\n");
    const CliRun run = RunCli({"analyze", casePath, "--config", config});
    ASSERT_EQ(run.exitCode, 0);
    const Json& a = run.json.at("analysis");
    EXPECT_EQ(a.at("periods").at("awake").at("sysAboveCount").get<int>(), 3);
    EXPECT_EQ(a.at("periods").at("asleep").at("diaAboveCount").get<int>(), 1);
    EXPECT_EQ(a.at("periods").at("awake").at("diaAboveCount").get<int>(), 1);  // default 90
    EXPECT_EQ(a.at("summaries").at("awake").at("sys").at("aboveFraction").get<double>(), 1.0);

    const CliRun ranged = RunCli({"analyze", "--ranges", "130,140,60,90,60,100", casePath});
    ASSERT_EQ(ranged.exitCode, 0);
    for (const char* period : {"whole", "awake", "asleep"}) {
        SCOPED_TRACE(period);
        const Json& s = ranged.json.at("analysis").at("summaries").at(period).at("sys");
        EXPECT_EQ(s.at("withinFraction").get<double>(), 0.0);  // nothing above 130 up to 140
    }
}

TEST_F(AnalyzeCli, CaseThatCannotBeDividedStillGivesEveryMember) {
    // The declared count is read, but the missing test begin stops the reading there.
    WriteBytes(casePath,
               "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=2\r\n"
               "1=00007850465A001E0000000000\r\n");
    const CliRun run = RunCli({"analyze", casePath});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(
        run.err.find("damaged or not a case file: " + casePath + " (truncated: 1 of 2 readings)"),
        std::string::npos)
        << run.err;
    ASSERT_FALSE(run.json.is_discarded());
    EXPECT_FALSE(run.json.at("loaded").get<bool>());
    const Json& a = run.json.at("analysis");
    EXPECT_FALSE(a.at("divided").get<bool>());
    EXPECT_EQ(a.at("validCount").get<int>(), 0);
    EXPECT_EQ(a.at("histograms").at("whole").at("sys").size(), 14u);
    EXPECT_EQ(a.at("summaries").at("awake").at("dia").at("mean").get<double>(), 0.0);
    EXPECT_FALSE(a.at("hourlyRatioComputed").get<bool>());
    EXPECT_EQ(a.at("report").at("reportCentreSys").get<int>(), 0);

    const CliRun missing = RunCli({"analyze", folder.File("none.awp")});
    EXPECT_EQ(missing.exitCode, 3);
    ASSERT_FALSE(missing.json.is_discarded());
    EXPECT_EQ(missing.json.at("analysis").at("validCount").get<int>(), 0);
}

TEST_F(AnalyzeCli, SaysWhetherTheOpenCommandAcceptsTheFile) {
    test::WriteSampleCase(casePath, kBegin, 4);
    const CliRun run = RunCli({"analyze", casePath});
    ASSERT_FALSE(run.json.is_discarded());
    EXPECT_EQ(Keys(run.json)[1], "loaded");
    EXPECT_EQ(Keys(run.json)[2], "compatible");
    EXPECT_TRUE(run.json.at("compatible").get<bool>());

    // Readable, but from a monitor the Open command refuses.
    std::string text = test::ReadBytes(casePath);
    ASSERT_NE(text.find("000000000101"), std::string::npos);
    WriteBytes(casePath, text.replace(text.find("000000000101"), 12, "000000000901"));
    const CliRun foreign = RunCli({"analyze", casePath});
    EXPECT_TRUE(foreign.json.at("loaded").get<bool>());
    EXPECT_FALSE(foreign.json.at("compatible").get<bool>());

    const CliRun missing = RunCli({"analyze", folder.File("none.awp")});
    EXPECT_FALSE(missing.json.at("compatible").get<bool>());
}

TEST_F(AnalyzeCli, ShortNamedCaseIsMultiDay) {
    const std::string path = folder.File("01.awp");
    WriteSmallCase(path);
    const CliRun run = RunCli({"analyze", path});
    ASSERT_EQ(run.exitCode, 0);
    const Json& a = run.json.at("analysis");
    EXPECT_EQ(a.at("validCount").get<int>(), 4);
    EXPECT_EQ(a.at("awakeCount").get<int>(), 0);
    EXPECT_EQ(a.at("totalSysLoad").get<double>(), 0.0);
    EXPECT_FALSE(a.at("nocturnalFallComputed").get<bool>());
    EXPECT_EQ(a.at("correlation").at("asleepPoints").size(), 1u);
}

TEST_F(AnalyzeCli, RefusesBadArguments) {
    WriteSmallCase(casePath);
    EXPECT_EQ(RunCli({"analyze"}).exitCode, 2);
    EXPECT_EQ(RunCli({"analyze", casePath, casePath}).exitCode, 2);
    EXPECT_EQ(RunCli({"analyze", casePath, "--ranges"}).exitCode, 2);
    EXPECT_EQ(RunCli({"analyze", casePath, "--ranges", "1,2,3"}).exitCode, 2);
    EXPECT_EQ(RunCli({"analyze", casePath, "--ranges", "1,2,3,4,5,6,7"}).exitCode, 2);
    EXPECT_EQ(RunCli({"analyze", casePath, "--ranges", "1,2,3,4,5,x"}).exitCode, 2);
    EXPECT_EQ(RunCli({"analyze", casePath, "--config", folder.File("absent.ini")}).exitCode, 2);
    EXPECT_EQ(RunCli({"analyze", casePath, "--verbose"}).exitCode, 2);
    EXPECT_EQ(RunCli({"analyze", casePath, "--ranges", "-5,2,3,4,5,6"}).exitCode, 0);
}

// The small case by hand: SYS 141, 130, 130 (12:00-14:00), 125 (23:00); DIA 91, 80, 85, 70.
TEST_F(AnalyzeCli, ClinicalBlockOfTheSmallCase) {
    WriteSmallCase(casePath);
    const CliRun run = RunCli({"analyze", casePath});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(Keys(run.json),
              (std::vector<std::string>{"file", "loaded", "compatible", "recording", "measurements",
                                        "analysis", "clinical", "diary"}));
    const Json& c = run.json.at("clinical");
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"quality", "variability", "dipping",
                                                 "morningSurge", "aasi", "hourly", "guideline"}));
    EXPECT_EQ(c.at("quality"), Json::parse(R"({"readings":4,"analysed":4,"successRate":1.0,
        "awake":3,"asleep":1,"adequate":false,"problems":["fewAwake","fewAsleep"]})"));

    const Json& whole = c.at("variability").at("whole").at("sys");
    EXPECT_EQ(Keys(whole), (std::vector<std::string>{"sd", "cv", "arv", "arvTime", "sv"}));
    // Printed round-trip exact: the parsed numbers are the very doubles.
    EXPECT_EQ(whole.at("sd").get<double>(), std::sqrt(137.0 / 3));
    EXPECT_EQ(whole.at("cv").get<double>(), std::sqrt(137.0 / 3) / 131.5);
    EXPECT_EQ(whole.at("arv").get<double>(), 16.0 / 3);
    EXPECT_EQ(whole.at("arvTime").get<double>(), 3360.0 / 660);
    EXPECT_EQ(whole.at("sv").get<double>(), std::sqrt(146.0 / 3));
    const Json& asleep = c.at("variability").at("asleep").at("dia");
    EXPECT_TRUE(asleep.at("sd").is_null());
    EXPECT_TRUE(asleep.at("arvTime").is_null());
    EXPECT_EQ(c.at("variability").at("wsd"), Json::parse(R"({"sys":null,"dia":null})"));

    const Json& dipping = c.at("dipping").at("sys");
    EXPECT_NEAR(dipping.at("ratio").get<double>(), 1 - 125.0 / (401.0 / 3), 1e-6);
    EXPECT_NEAR(dipping.at("nightDayRatio").get<double>(), 125.0 / (401.0 / 3), 1e-6);
    EXPECT_EQ(dipping.at("class"), "non-dipper");
    EXPECT_EQ(c.at("morningSurge"), Json::array());  // nothing between 07:00 and 09:00
    EXPECT_EQ(c.at("aasi").get<double>(), 1.0 - 162.0 / 137);

    const Json& hourly = c.at("hourly");
    ASSERT_EQ(hourly.size(), 24u);
    EXPECT_EQ(hourly.at(12),
              Json::parse(R"({"hour":12,"count":1,"sys":141.0,"dia":91.0,"pr":61.0})"));
    EXPECT_EQ(hourly.at(0), Json::parse(R"({"hour":0,"count":0,"sys":null,"dia":null,"pr":null})"));

    EXPECT_EQ(c.at("guideline"), Json::parse(R"({"id":"esh2023","name":"ESH 2023",
        "thresholds":{"whole":[130,80],"awake":[135,85],"asleep":[120,70],"office":[140,90]},
        "elevated":{"whole":true,"awake":true,"asleep":true},"hypertension":true,
        "nocturnalHypertension":false,"office":null,"officeElevated":null,"phenotype":null})"));
}

TEST_F(AnalyzeCli, GuidelineAndOfficeFromTheCommandLineTheConfigurationOrTheCase) {
    WriteSmallCase(casePath);
    const Json given =
        RunCli({"analyze", casePath, "--guideline", "acc-aha2017", "--office", "128/79"})
            .json.at("clinical")
            .at("guideline");
    EXPECT_EQ(given.at("id"), "acc-aha2017");
    EXPECT_EQ(given.at("office"), Json::parse(R"({"sys":128,"dia":79})"));
    EXPECT_EQ(given.at("officeElevated"), false);
    EXPECT_EQ(given.at("phenotype"), "masked");

    const std::string config = folder.File("VurConfig.ini");
    WriteBytes(config, "[Configfamily]\r\nGuideline=nice2019\r\n");
    ProfileStore(casePath).WriteInt("PATIENT DATA", "OfficeSys", 150);
    ProfileStore(casePath).WriteInt("PATIENT DATA", "OfficeDia", 95);
    const Json stored = RunCli({"analyze", casePath, "--config", config}).json.at("clinical");
    const Json& g = stored.at("guideline");
    EXPECT_EQ(g.at("name"), "NICE NG136");
    EXPECT_EQ(g.at("thresholds").at("whole"), nullptr);
    EXPECT_EQ(g.at("elevated"), Json::parse(R"({"whole":null,"awake":true,"asleep":null})"));
    EXPECT_EQ(g.at("nocturnalHypertension"), nullptr);
    EXPECT_EQ(g.at("office"), Json::parse(R"({"sys":150,"dia":95})"));
    EXPECT_EQ(g.at("phenotype"), "sustained");
    // The command line wins over the configuration and the case.
    const Json over = RunCli({"analyze", casePath, "--config", config, "--guideline", "esh2023",
                              "--office", "120/70"})
                          .json.at("clinical")
                          .at("guideline");
    EXPECT_EQ(over.at("id"), "esh2023");
    EXPECT_EQ(over.at("phenotype"), "masked");
}

TEST_F(AnalyzeCli, UnknownGuidelineOrMalformedOfficeIsAClearError) {
    WriteSmallCase(casePath);
    const CliRun unknown = RunCli({"analyze", casePath, "--guideline", "who1999"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_NE(unknown.err.find("unknown guideline \"who1999\""), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("esh2023, acc-aha2017, nice2019"), std::string::npos);
    for (const char* bad : {"140", "140/", "140/90/1", "140/-90", "a/b", "140 / 90", "0/90"}) {
        const CliRun run = RunCli({"analyze", casePath, "--office", bad});
        EXPECT_EQ(run.exitCode, 2) << bad;
        EXPECT_NE(run.err.find("SYS/DIA"), std::string::npos) << bad;
    }
    EXPECT_EQ(RunCli({"analyze", casePath, "--guideline"}).exitCode, 2);
    EXPECT_EQ(RunCli({"analyze", casePath, "--office", "140/90", "--office", "140/90"}).exitCode,
              2);
}

TEST_F(AnalyzeCli, DiaryNightDividesItsReadingsAndSaysSo) {
    WriteSmallCase(casePath);
    EXPECT_EQ(RunCli({"analyze", casePath}).json.at("analysis").at("asleepCount"), 1);
    std::string bytes = test::ReadBytes(casePath);
    bytes +=
        "[DIARY]\r\nNight1=2026-03-01 23:30 07:00\r\nNight2=2026-03-05 22:00 06:00\r\n"
        "Event1=2026-03-01 12:30 symptom dizzy\\, \\[short\\]\r\n";
    WriteBytes(casePath, bytes);
    const CliRun run = RunCli({"analyze", casePath});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // In bed only after the 23:00 reading: the night's readings are all awake.
    EXPECT_EQ(run.json.at("analysis").at("asleepCount"), 0);
    EXPECT_EQ(run.json.at("analysis").at("awakeCount"), 4);
    EXPECT_EQ(run.json.at("diary").dump(),
              R"({"nights":[{"date":[2026,3,1],"bed":[23,30],"up":[7,0],"applied":true},)"
              R"({"date":[2026,3,5],"bed":[22,0],"up":[6,0],"applied":false}],)"
              R"("events":[{"time":[2026,3,1,12,30],"kind":"symptom","text":"dizzy, [short]"}]})");
}

}  // namespace
}  // namespace vitalis
