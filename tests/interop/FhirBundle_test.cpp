#include "interop/FhirBundle.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>

#include "FhirTestSupport.h"
#include "analysis/clinical/ClinicalTexts.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using fhir::Json;
using test::CountingUuids;
using test::Reading;

// Every test here reads times in one fixed zone, whatever the machine's.
class FhirBundleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        savedTz_ = tz ? std::optional<std::string>(tz) : std::nullopt;
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
    void TearDown() override {
        if (savedTz_)
            setenv("TZ", savedTz_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

    // Awake 07:00, asleep 22:00. Four awake readings from 20:00 (one failed, one excluded,
    // one with values that cannot be), then three asleep ones from 23:00, on 1 March 2026.
    static Recording SampleRecording() {
        Recording r;
        r.patient.name = "Ada Lovelace";
        r.patient.id = "P-0042";
        r.testBegin = {2026, 3, 1, 20, 0};
        r.awakeStart = 7 * 60;
        r.asleepStart = 22 * 60;
        r.AddMeasurement(Reading(0, {2026, 3, 1, 20, 0}, 140, 90, 107, 70));
        Measurement failed = Reading(1, {2026, 3, 1, 20, 30}, 0, 0, 0, 0);
        failed.status = 6;
        failed.valid = 0;
        r.AddMeasurement(failed);
        Measurement excluded = Reading(2, {2026, 3, 1, 21, 0}, 190, 120, 143, 99);
        excluded.valid = 0;
        excluded.remark = "cuff slipped";
        r.AddMeasurement(excluded);
        r.AddMeasurement(Reading(3, {2026, 3, 1, 21, 30}, 131, 81, 81, 66));  // MAP = DIA
        r.AddMeasurement(Reading(4, {2026, 3, 1, 23, 0}, 120, 70, 87, 60));
        r.AddMeasurement(Reading(5, {2026, 3, 2, 1, 0}, 111, 65, 80, 58));
        r.AddMeasurement(Reading(6, {2026, 3, 2, 3, 30}, 116, 66, 83, 55));
        r.measurementCount = 7;
        return r;
    }

    static Json Build(const Recording& r, bool all = false) {
        CountingUuids uuids;
        fhir::ExportOptions options;
        options.allReadings = all;
        return fhir::BuildBundle(r, options, uuids, test::KeyTexts());
    }

    static std::vector<Json> Resources(const Json& bundle, const std::string& type) {
        std::vector<Json> out;
        for (const Json& e : bundle["entry"])
            if (e["resource"]["resourceType"] == type) out.push_back(e["resource"]);
        return out;
    }
    static std::vector<Json> WithCode(const Json& bundle, const std::string& code) {
        std::vector<Json> out;
        for (const Json& o : Resources(bundle, "Observation")) {
            for (const Json& c : o["code"]["coding"])
                if (c["code"] == code) out.push_back(o);
        }
        return out;
    }
    static const Json& Report(const Json& bundle) { return bundle["entry"].back()["resource"]; }

  private:
    std::optional<std::string> savedTz_;
};

TEST_F(FhirBundleTest, CollectionOfPatientReadingsMeansAndReportEachWithItsOwnUuid) {
    const Json bundle = Build(SampleRecording());
    EXPECT_EQ(bundle["resourceType"], "Bundle");
    EXPECT_EQ(bundle["type"], "collection");
    // Patient, four analysed readings twice (panel, pulse), three means, the report.
    ASSERT_EQ(bundle["entry"].size(), 1u + 4 * 2 + 3 + 1);
    for (size_t i = 0; i < bundle["entry"].size(); ++i)
        EXPECT_EQ(bundle["entry"][i]["fullUrl"], CountingUuids::Url(static_cast<int>(i) + 1));
    EXPECT_EQ(bundle["entry"][0]["resource"]["resourceType"], "Patient");
    EXPECT_EQ(Report(bundle)["resourceType"], "DiagnosticReport");
    for (const Json& o : Resources(bundle, "Observation"))
        EXPECT_EQ(o["subject"]["reference"], CountingUuids::Url(1));
    EXPECT_EQ(Report(bundle)["subject"]["reference"], CountingUuids::Url(1));
}

TEST_F(FhirBundleTest, PanelCarriesSysDiaMapInUcumAtTheLocalTimeAndPulseItsOwnObservation) {
    const Json bundle = Build(SampleRecording());
    const std::vector<Json> panels = WithCode(bundle, "85354-9");
    ASSERT_EQ(panels.size(), 4u + 3u);  // the three means carry the panel code too
    const Json& first = panels[0];
    EXPECT_EQ(first["status"], "final");
    EXPECT_EQ(first["category"][0]["coding"][0]["code"], "vital-signs");
    EXPECT_EQ(first["category"][0]["coding"][0]["system"],
              "http://terminology.hl7.org/CodeSystem/observation-category");
    EXPECT_EQ(first["code"]["coding"][0]["system"], "http://loinc.org");
    EXPECT_EQ(first["effectiveDateTime"], "2026-03-01T20:00:00+01:00");
    ASSERT_EQ(first["component"].size(), 3u);
    const char* codes[] = {"8480-6", "8462-4", "8478-0"};
    const int values[] = {140, 90, 107};
    for (int i = 0; i < 3; ++i) {
        const Json& c = first["component"][i];
        EXPECT_EQ(c["code"]["coding"][0]["code"], codes[i]);
        EXPECT_EQ(c["valueQuantity"]["value"], values[i]);
        EXPECT_EQ(c["valueQuantity"]["code"], "mm[Hg]");
        EXPECT_EQ(c["valueQuantity"]["system"], "http://unitsofmeasure.org");
    }
    const std::vector<Json> pulses = WithCode(bundle, "8867-4");
    ASSERT_EQ(pulses.size(), 4u);
    EXPECT_EQ(pulses[0]["valueQuantity"]["value"], 70);
    EXPECT_EQ(pulses[0]["valueQuantity"]["code"], "/min");
    EXPECT_EQ(pulses[3]["effectiveDateTime"], "2026-03-02T03:30:00+01:00");
    EXPECT_EQ(pulses[3]["valueQuantity"]["value"], 55);
}

TEST_F(FhirBundleTest, FailedExcludedAndImplausibleReadingsOnlyWithAll) {
    const Json bundle = Build(SampleRecording(), true);
    // Every reading's panel; pulses for the four analysed and the excluded one.
    EXPECT_EQ(bundle["entry"].size(), 1u + 7 + 5 + 3 + 1);
    std::vector<Json> readings;
    for (const Json& o : WithCode(bundle, "85354-9"))
        if (o.contains("effectiveDateTime")) readings.push_back(o);
    ASSERT_EQ(readings.size(), 7u);

    const Json& failed = readings[1];
    EXPECT_EQ(failed["status"], "cancelled");
    EXPECT_EQ(failed["dataAbsentReason"]["coding"][0]["code"], "error");
    EXPECT_EQ(failed["note"][0]["text"], "Global Setting:IDS_LOOSE_CUFF");
    EXPECT_FALSE(failed["component"][0].contains("valueQuantity"));
    EXPECT_EQ(failed["component"][0]["dataAbsentReason"]["coding"][0]["code"], "error");

    const Json& excluded = readings[2];
    EXPECT_EQ(excluded["status"], "final");
    EXPECT_EQ(excluded["component"][0]["valueQuantity"]["value"], 190);
    EXPECT_EQ(excluded["note"][0]["text"], "cuff slipped");
    EXPECT_EQ(excluded["interpretation"][0]["text"], "Global Setting:IDS_FHIR_EXCLUDED");

    const Json& implausible = readings[3];
    EXPECT_EQ(implausible["status"], "cancelled");
    EXPECT_EQ(implausible["note"][0]["text"], "Global Setting:IDS_FHIR_IMPLAUSIBLE");

    const std::vector<Json> pulses = WithCode(bundle, "8867-4");
    ASSERT_EQ(pulses.size(), 5u);
    EXPECT_EQ(pulses[1]["valueQuantity"]["value"], 99);
    EXPECT_EQ(pulses[1]["interpretation"][0]["text"], "Global Setting:IDS_FHIR_EXCLUDED");
}

TEST_F(FhirBundleTest, ReportRefersToEveryPanelAndMeanAndSpansTheWornTime) {
    for (const bool all : {false, true}) {
        const Json bundle = Build(SampleRecording(), all);
        const Json& report = Report(bundle);
        EXPECT_EQ(report["status"], "final");
        EXPECT_EQ(report["code"]["text"], "Ambulatory blood pressure monitoring");
        EXPECT_EQ(report["effectivePeriod"]["start"], "2026-03-01T20:00:00+01:00");
        EXPECT_EQ(report["effectivePeriod"]["end"], "2026-03-02T03:30:00+01:00");
        std::vector<std::string> expected;
        for (const Json& e : bundle["entry"]) {
            for (const Json& c :
                 e["resource"].value("code", Json::object()).value("coding", Json::array()))
                if (c["code"] == "85354-9") expected.push_back(e["fullUrl"]);
        }
        ASSERT_EQ(report["result"].size(), expected.size()) << all;
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(report["result"][i]["reference"], expected[i]);
    }
}

TEST_F(FhirBundleTest, PeriodMeansOfTheAnalysedReadingsOverTheirOwnTimes) {
    const Json bundle = Build(SampleRecording());
    const std::vector<Json> means = WithCode(bundle, "96607-7");
    ASSERT_EQ(means.size(), 3u);
    // 24 h: SYS (140+120+111+116)/4 = 121.75, DIA (90+70+65+66)/4 = 72.75.
    EXPECT_DOUBLE_EQ(means[0]["component"][0]["valueQuantity"]["value"].get<double>(), 121.8);
    EXPECT_DOUBLE_EQ(means[0]["component"][1]["valueQuantity"]["value"].get<double>(), 72.8);
    EXPECT_EQ(means[0]["component"][0]["code"]["coding"][1]["code"], "8480-6");
    EXPECT_EQ(means[0]["effectivePeriod"]["start"], "2026-03-01T20:00:00+01:00");
    EXPECT_EQ(means[0]["code"]["text"],
              "Global Setting:IDS_FHIR_MEAN, Clinical Setting:IDS_PERIOD_WHOLE");
    // Awake: the one reading at 20:00. Asleep: (120+111+116)/3 = 115.67, (70+65+66)/3 = 67.
    EXPECT_EQ(means[1]["component"][0]["valueQuantity"]["value"], 140.0);
    EXPECT_EQ(means[1]["effectivePeriod"]["end"], "2026-03-01T20:00:00+01:00");
    EXPECT_DOUBLE_EQ(means[2]["component"][0]["valueQuantity"]["value"].get<double>(), 115.7);
    EXPECT_DOUBLE_EQ(means[2]["component"][1]["valueQuantity"]["value"].get<double>(), 67.0);
    EXPECT_EQ(means[2]["effectivePeriod"]["start"], "2026-03-01T23:00:00+01:00");
    EXPECT_EQ(means[2]["effectivePeriod"]["end"], "2026-03-02T03:30:00+01:00");
}

TEST_F(FhirBundleTest, MultiDayFileHasOnlyTheWholeMean) {
    Recording r = SampleRecording();
    r.multiDay = true;
    const Json bundle = Build(r);
    const std::vector<Json> means = WithCode(bundle, "96607-7");
    ASSERT_EQ(means.size(), 1u);
    EXPECT_EQ(means[0]["code"]["text"],
              "Global Setting:IDS_FHIR_MEAN, Clinical Setting:IDS_PERIOD_WHOLE");
}

TEST_F(FhirBundleTest, ConclusionIsTheClinicalVerdictInWords) {
    Recording r = SampleRecording();
    CountingUuids uuids;
    fhir::ExportOptions options;
    options.guideline = clinical::FindGuideline("nice2019");
    ASSERT_NE(options.guideline, nullptr);
    const Json bundle = fhir::BuildBundle(r, options, uuids, test::KeyTexts());
    const std::string conclusion = Report(bundle)["conclusion"];
    EXPECT_EQ(conclusion.find(
                  "Clinical Setting:IDS_GUIDELINE: " + std::string(options.guideline->name) + "\n"),
              0u);
    EXPECT_NE(conclusion.find("Clinical Setting:IDS_QUALITY: "), std::string::npos);
    EXPECT_NE(conclusion.find("Clinical Setting:IDS_PERIOD_AWAKE: 140.0/90.0"), std::string::npos);
    EXPECT_NE(conclusion.find("Clinical Setting:IDS_DIPPING: "), std::string::npos);
    EXPECT_NE(conclusion.back(), '\n');
}

TEST_F(FhirBundleTest, RecordingWithoutReadingsStillHasPatientAndReport) {
    Recording r;
    r.patient.name = "Solo";
    const Json bundle = Build(r, true);
    ASSERT_EQ(bundle["entry"].size(), 2u);
    const Json& report = Report(bundle);
    EXPECT_FALSE(report.contains("result"));
    EXPECT_FALSE(report.contains("effectivePeriod"));
    EXPECT_TRUE(report.contains("conclusion"));
    // One word: no family and given names to tell apart.
    const Json& name = bundle["entry"][0]["resource"]["name"][0];
    EXPECT_EQ(name["text"], "Solo");
    EXPECT_FALSE(name.contains("family"));
}

TEST_F(FhirBundleTest, ReadingWithoutARealClockHasNoTimeAndNoDayInTheReportSpan) {
    Recording r = SampleRecording();
    Measurement broken = Reading(7, {2026, 13, 40, 9, 0}, 0, 0, 0, 0);
    broken.status = 2;
    broken.valid = 0;
    r.AddMeasurement(broken);
    r.measurementCount = 8;
    const Json bundle = Build(r, true);
    const std::vector<Json> panels = WithCode(bundle, "85354-9");
    EXPECT_FALSE(panels[7].contains("effectiveDateTime"));
    EXPECT_EQ(Report(bundle)["effectivePeriod"]["end"], "2026-03-02T03:30:00+01:00");
}

TEST_F(FhirBundleTest, WrittenWholeOrNotAtAllAndTextThatIsNotUtf8Survives) {
    test::TempFolder folder;
    Recording r = SampleRecording();
    r.editableMeasurements()[2].remark = std::string("bad \xff byte");
    const Json bundle = Build(r, true);
    const std::string path = folder.File("out.json");
    ASSERT_TRUE(fhir::WriteBundle(path, bundle));
    const Json back = Json::parse(test::ReadBytes(path));
    EXPECT_EQ(back["entry"].size(), bundle["entry"].size());
    EXPECT_FALSE(fhir::WriteBundle(folder.File("no/such/folder/out.json"), bundle));
    EXPECT_FALSE(std::filesystem::exists(folder.File("no")));
}

}  // namespace
}  // namespace vitalis
