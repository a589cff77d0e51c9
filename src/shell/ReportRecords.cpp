#include "shell/ReportRecords.h"

#include "shell/ReportBytes.h"

namespace vitalis {

// The field order of every record lives in one Visit function per type, used by the writer
// and the reader alike, so the two can never disagree.
namespace {

struct Out {
    ByteWriter& w;
    void operator()(int v) { w.Int(v); }
    void operator()(double v) { w.Double(v); }
    void operator()(float v) { w.Double(v); }
    void operator()(uint8_t v) { w.Byte(v); }
    void operator()(const std::string& v) { w.String(v); }
};

struct In {
    ByteReader& r;
    void operator()(int& v) { v = r.Int(); }
    void operator()(double& v) { v = r.Double(); }
    void operator()(float& v) { v = static_cast<float>(r.Double()); }
    void operator()(uint8_t& v) { v = r.Byte(); }
    void operator()(std::string& v) { v = r.String(); }
};

template <typename T, typename F>
void Each(T& values, F& f) {
    for (auto& v : values) f(v);
}

template <typename H, typename F>
void Visit(H& h, F& f) {
    Each(h.pages, f);
    f(h.spo2Setting);
    f(h.multiDay);
    f(h.patientName);
    f(h.patientId);
    f(h.title);
    Each(h.beginDate, f);
    Each(h.endDate, f);
    Each(h.birthday, f);
    Each(h.beginTime, f);
}

template <typename D, typename F>
void VisitDemographics(D& d, F& f) {
    for (auto* s : {&d.patientName, &d.patientId, &d.address, &d.race, &d.phone}) f(*s);
    for (auto* i : {&d.gender, &d.height, &d.weight, &d.age}) f(*i);
    for (auto* s : {&d.medications, &d.clinicalInterpretation, &d.referringPhysician,
                    &d.interpretingPhysician, &d.comments, &d.outpatientNo, &d.admissionNo,
                    &d.bedNo, &d.departmentNo, &d.email})
        f(*s);
    for (auto* i : {&d.measurementCount, &d.validCount, &d.awakeStart, &d.asleepStart,
                    &d.awakeInterval, &d.asleepInterval})
        f(*i);
}

template <typename S, typename F>
void VisitThresholds(S& t, F& f) {
    for (auto* i : {&t.awakeSys, &t.awakeDia, &t.asleepSys, &t.asleepDia, &t.dayLoad, &t.nightLoad,
                    &t.highFall, &t.lowFall})
        f(*i);
}

template <typename S, typename F>
void VisitStatistics(S& s, F& f) {
    for (auto& p : s.periods) {
        f(p.count), f(p.sysAbove), f(p.diaAbove);
        for (auto& v : p.values) f(v.max), f(v.min), f(v.mean);
        for (auto& v : p.spread) f(v.sd), f(v.se), f(v.cv);
    }
    Each(s.loads, f);
    f(s.sysNocturnalFall), f(s.diaNocturnalFall), f(s.sysHourlyRatio), f(s.diaHourlyRatio);
    VisitThresholds(s.thresholds, f);
}

template <typename B, typename F>
void VisitBlock(B& b, F& f) {
    for (auto* i : {&b.maxValue, &b.maxHour, &b.maxMinute, &b.maxDay, &b.maxMonth, &b.maxYear,
                    &b.minValue, &b.minHour, &b.minMinute, &b.minDay, &b.minMonth, &b.minYear})
        f(*i);
    f(b.mean), f(b.belowFraction), f(b.withinFraction), f(b.aboveFraction);
}

template <typename S, typename F>
void VisitSummary(S& s, F& f) {
    for (auto& p : s.summaries) VisitBlock(p.sys, f), VisitBlock(p.dia, f), VisitBlock(p.pr, f);
    for (auto& r : s.ranges)
        for (auto* i : {&r.sysLow, &r.sysHigh, &r.diaLow, &r.diaHigh, &r.prLow, &r.prHigh}) f(*i);
}

// A reading: its number; SYS, DIA, PR; MAP, status, aux; year, month, day; hour, minute,
// offset; mode and extra; then the remark and the valid mark, written apart.
template <typename M, typename F>
void VisitReadingNumbers(M& m, F& f) {
    for (auto* i : {&m.index, &m.sys, &m.dia, &m.pr, &m.map, &m.status, &m.aux, &m.year, &m.month,
                    &m.day, &m.hour, &m.minute, &m.offsetMinutes, &m.mode, &m.extra})
        f(*i);
}

template <typename L, typename F>
void VisitListTail(L& l, F& f) {
    for (auto* i :
         {&l.awakeStart, &l.asleepStart, &l.awakeSys, &l.awakeDia, &l.asleepSys, &l.asleepDia})
        f(*i);
}

template <typename C, typename F>
void VisitCorrelationFigures(C& c, F& f) {
    f(c.chart.diaOnSysSlope), f(c.chart.diaOnSysIntercept), f(c.chart.sysOnDiaSlope);
    f(c.chart.sysOnDiaIntercept), f(c.chart.centreSys), f(c.chart.centreDia), f(c.chart.r);
    f(c.r), f(c.diaOnSysSlope), f(c.diaOnSysIntercept), f(c.sysOnDiaSlope);
    f(c.sysOnDiaIntercept), f(c.centreSys), f(c.centreDia), f(c.stiffnessIndex);
}

template <typename Record, typename Visitor>
std::string Encode(const Record& record, Visitor visit) {
    ByteWriter writer;
    Out out{writer};
    visit(record, out);
    return writer.bytes();
}

template <typename Record>
std::optional<Record> Finish(Record record, ByteReader& reader, std::string& error) {
    if (!reader.failed() && !reader.AtEnd())
        reader.Fail(std::to_string(reader.remaining()) + " bytes follow the end of the record");
    if (reader.failed()) {
        error = reader.error();
        return std::nullopt;
    }
    return record;
}

template <typename Record, typename Visitor>
std::optional<Record> Decode(std::string_view bytes, std::string& error, Visitor visit) {
    ByteReader reader(bytes);
    In in{reader};
    Record record;
    visit(record, in);
    return Finish(std::move(record), reader, error);
}

void WriteBins(ByteWriter& w, const BinnedValues& b) {
    w.Int(b.first), w.Int(b.width), w.Int(static_cast<int>(b.values.size()));
    for (double v : b.values) w.Double(v);
}

BinnedValues ReadBins(ByteReader& r) {
    BinnedValues b;
    b.first = r.Int();
    b.width = r.Int();
    b.values.resize(static_cast<size_t>(r.Count(kMaxReportBins, 8)));
    for (double& v : b.values) v = r.Double();
    return b;
}

void WritePoints(ByteWriter& w, const std::vector<CorrelationPoint>& points) {
    w.Int(static_cast<int>(points.size()));
    for (const auto& p : points) w.Int(p.sys), w.Int(p.dia);
}

std::vector<CorrelationPoint> ReadPoints(ByteReader& r) {
    std::vector<CorrelationPoint> points(static_cast<size_t>(r.Count(kMaxReportReadings, 8)));
    for (auto& p : points) p.sys = r.Int(), p.dia = r.Int();
    return points;
}

constexpr auto kHeader = [](auto& h, auto& f) { Visit(h, f); };
constexpr auto kDemographics = [](auto& d, auto& f) { VisitDemographics(d, f); };
constexpr auto kStatistics = [](auto& s, auto& f) { VisitStatistics(s, f); };
constexpr auto kSummary = [](auto& s, auto& f) { VisitSummary(s, f); };
constexpr auto kHistograms = [](auto& h, auto& f) {
    for (auto& set : h.periods) Each(set.sys, f), Each(set.dia, f), Each(set.pr, f);
};

}  // namespace

std::string EncodeHeader(const ReportHeader& h) {
    return Encode(h, kHeader);
}
std::string EncodeDemographics(const DemographicsRecord& d) {
    return Encode(d, kDemographics);
}
std::string EncodeStatistics(const StatisticsRecord& s) {
    return Encode(s, kStatistics);
}
std::string EncodeSummary(const SummaryRecord& s) {
    return Encode(s, kSummary);
}
std::string EncodeHistograms(const HistogramRecord& h) {
    return Encode(h, kHistograms);
}

std::string EncodeMeasurementList(const MeasurementListRecord& record) {
    ByteWriter w;
    Out out{w};
    w.Int(static_cast<int>(record.readings.size()));
    for (const Measurement& m : record.readings) {
        VisitReadingNumbers(m, out);
        w.CharacterString(m.remark);
        w.Byte(m.valid);
    }
    VisitListTail(record, out);
    return w.bytes();
}

std::string EncodeCorrelation(const CorrelationRecord& record) {
    ByteWriter w;
    Out out{w};
    VisitCorrelationFigures(record, out);
    WritePoints(w, record.chart.awakePoints);
    WritePoints(w, record.chart.asleepPoints);
    return w.bytes();
}

std::string EncodeFrequency(const FrequencyRecord& record) {
    ByteWriter w;
    WriteBins(w, record.awake);
    WriteBins(w, record.asleep);
    return w.bytes();
}

std::string EncodeSecondaryHistograms(const SecondaryHistogramRecord& record) {
    ByteWriter w;
    WriteBins(w, record.pr);
    WriteBins(w, record.map);
    WriteBins(w, record.pp);
    return w.bytes();
}

std::optional<ReportHeader> DecodeHeader(std::string_view bytes, std::string& error) {
    return Decode<ReportHeader>(bytes, error, kHeader);
}
std::optional<DemographicsRecord> DecodeDemographics(std::string_view bytes, std::string& error) {
    return Decode<DemographicsRecord>(bytes, error, kDemographics);
}
std::optional<StatisticsRecord> DecodeStatistics(std::string_view bytes, std::string& error) {
    return Decode<StatisticsRecord>(bytes, error, kStatistics);
}
std::optional<SummaryRecord> DecodeSummary(std::string_view bytes, std::string& error) {
    return Decode<SummaryRecord>(bytes, error, kSummary);
}
std::optional<HistogramRecord> DecodeHistograms(std::string_view bytes, std::string& error) {
    return Decode<HistogramRecord>(bytes, error, kHistograms);
}

std::optional<MeasurementListRecord> DecodeMeasurementList(std::string_view bytes,
                                                           std::string& error) {
    ByteReader r(bytes);
    In in{r};
    MeasurementListRecord record;
    // The smallest reading: fifteen numbers, an empty remark and the mark.
    constexpr int kMinReadingBytes = 15 * 4 + 4 + 1;
    record.readings.resize(static_cast<size_t>(r.Count(kMaxReportReadings, kMinReadingBytes)));
    for (Measurement& m : record.readings) {
        VisitReadingNumbers(m, in);
        m.remark = r.CharacterString();
        m.valid = r.Byte();
    }
    VisitListTail(record, in);
    return Finish(std::move(record), r, error);
}

std::optional<CorrelationRecord> DecodeCorrelation(std::string_view bytes, std::string& error) {
    ByteReader r(bytes);
    In in{r};
    CorrelationRecord record;
    VisitCorrelationFigures(record, in);
    record.chart.awakePoints = ReadPoints(r);
    record.chart.asleepPoints = ReadPoints(r);
    return Finish(std::move(record), r, error);
}

std::optional<FrequencyRecord> DecodeFrequency(std::string_view bytes, std::string& error) {
    ByteReader r(bytes);
    FrequencyRecord record;
    record.awake = ReadBins(r);
    record.asleep = ReadBins(r);
    return Finish(std::move(record), r, error);
}

std::optional<SecondaryHistogramRecord> DecodeSecondaryHistograms(std::string_view bytes,
                                                                  std::string& error) {
    ByteReader r(bytes);
    SecondaryHistogramRecord record;
    record.pr = ReadBins(r);
    record.map = ReadBins(r);
    record.pp = ReadBins(r);
    return Finish(std::move(record), r, error);
}

// Records whose parts have no comparison of their own compare by their bytes.
bool PeriodFigures::operator==(const PeriodFigures& o) const {
    StatisticsRecord a, b;
    a.periods[0] = *this;
    b.periods[0] = o;
    return EncodeStatistics(a) == EncodeStatistics(b);
}
bool StatisticsRecord::operator==(const StatisticsRecord& o) const {
    return EncodeStatistics(*this) == EncodeStatistics(o);
}
bool SummaryRecord::operator==(const SummaryRecord& o) const {
    return EncodeSummary(*this) == EncodeSummary(o);
}
bool MeasurementListRecord::operator==(const MeasurementListRecord& o) const {
    return EncodeMeasurementList(*this) == EncodeMeasurementList(o);
}
bool HistogramRecord::operator==(const HistogramRecord& o) const {
    return EncodeHistograms(*this) == EncodeHistograms(o);
}
bool CorrelationRecord::operator==(const CorrelationRecord& o) const {
    return EncodeCorrelation(*this) == EncodeCorrelation(o);
}

}  // namespace vitalis
