#include "shell/ReportClinicalRecord.h"

#include <type_traits>

#include "shell/ReportBytes.h"

namespace vitalis {

namespace {

using namespace clinical;

// How many values each enum of the block has; a stored value outside fails the read.
constexpr int ValueCount(DippingClass) {
    return 4;
}
constexpr int ValueCount(Phenotype) {
    return 4;
}
constexpr int ValueCount(QualityProblem) {
    return 3;
}

// Every optional is a presence byte, then its value when present; a bool is a byte; an
// enum is a 4-byte int.
struct Out {
    ByteWriter& w;
    void operator()(const int& v) { w.Int(v); }
    void operator()(const double& v) { w.Double(v); }
    void operator()(const bool& v) { w.Byte(v ? 1 : 0); }
    template <typename E>
    requires std::is_enum_v<E>
    void operator()(const E& v) { w.Int(static_cast<int>(v)); }
    template <typename T>
    void operator()(const std::optional<T>& v) {
        w.Byte(v ? 1 : 0);
        if (v) (*this)(*v);
    }
};

struct In {
    ByteReader& r;
    void operator()(int& v) { v = r.Int(); }
    void operator()(double& v) { v = r.Double(); }
    void operator()(bool& v) { v = Flag(); }
    template <typename E>
    requires std::is_enum_v<E>
    void operator()(E& v) {
        const int value = r.Int();
        if (value < 0 || value >= ValueCount(E{}))
            r.Fail("an unknown class " + std::to_string(value));
        v = static_cast<E>(r.failed() ? 0 : value);
    }
    template <typename T>
    void operator()(std::optional<T>& v) {
        v.reset();
        if (!Flag()) return;
        T value{};
        (*this)(value);
        v = value;
    }
    bool Flag() {
        const uint8_t byte = r.Byte();
        if (byte > 1) r.Fail("a flag of " + std::to_string(byte));
        return byte == 1;
    }
};

template <typename V, typename F>
void VisitVariability(V& v, F& f) {
    for (auto& period : v.periods)
        for (auto* figures : {&period.sys, &period.dia})
            f(figures->sd), f(figures->cv), f(figures->arv), f(figures->arvTime), f(figures->sv);
    f(v.wsdSys), f(v.wsdDia);
}

template <typename D, typename F>
void VisitDipping(D& d, F& f) {
    for (auto* figures : {&d.sys, &d.dia})
        f(figures->ratio), f(figures->nightDayRatio), f(figures->dippingClass);
}

template <typename M, typename F>
void VisitMorning(M& m, F& f) {
    f(m.date.year), f(m.date.month), f(m.date.day);
    f(m.postWake), f(m.preWake), f(m.trough), f(m.sleepTrough), f(m.prewaking);
}

template <typename H, typename F>
void VisitHourly(H& hourly, F& f) {
    for (auto& h : hourly) f(h.hour), f(h.count), f(h.sys), f(h.dia), f(h.pr);
}

// The means and office reading are optional structs: a presence byte, then their fields.
void WriteVerdict(ByteWriter& w, Out& out, const GuidelineVerdict& g) {
    w.String(g.profile ? g.profile->id : kDefaultGuidelineId);
    for (const auto& means : g.means) {
        out(means.has_value());
        if (means) out(means->sys), out(means->dia);
    }
    for (const auto& elevated : g.elevated) out(elevated);
    out(g.hypertension), out(g.nocturnalHypertension);
    out(g.office.has_value());
    if (g.office) out(g.office->sys), out(g.office->dia);
    out(g.officeElevated), out(g.phenotype);
}

void WriteQuality(ByteWriter& w, Out& out, const RecordingQuality& q) {
    out(q.readings), out(q.analysed), out(q.successRate), out(q.awake), out(q.asleep);
    out(q.adequate);
    w.Int(static_cast<int>(q.problems.size()));
    for (const QualityProblem problem : q.problems) out(problem);
}

void ReadQuality(ByteReader& r, In& in, RecordingQuality& q) {
    in(q.readings), in(q.analysed), in(q.successRate), in(q.awake), in(q.asleep);
    in(q.adequate);
    q.problems.resize(static_cast<size_t>(r.Count(ValueCount(QualityProblem{}), 4)));
    for (QualityProblem& problem : q.problems) in(problem);
}

void ReadVerdict(ByteReader& r, In& in, GuidelineVerdict& g) {
    const std::string id = r.String();
    g.profile = FindGuideline(id);
    if (!g.profile && !r.failed()) r.Fail("an unknown guideline \"" + id + "\"");
    for (auto& means : g.means) {
        means.reset();
        if (in.Flag()) in((means.emplace()).sys), in(means->dia);
    }
    for (auto& elevated : g.elevated) in(elevated);
    in(g.hypertension), in(g.nocturnalHypertension);
    g.office.reset();
    if (in.Flag()) in(g.office.emplace().sys), in(g.office->dia);
    in(g.officeElevated), in(g.phenotype);
}

// The fewest bytes of one morning: three ints, a double and four absent optionals.
constexpr int kMinMorningBytes = 3 * 4 + 8 + 4;
constexpr int kMaxMornings = 10000;

}  // namespace

std::string EncodeClinical(const ClinicalRecord& record) {
    ByteWriter w;
    Out out{w};
    for (const int page : record.pages) out(page);
    const ClinicalBlock& b = record.block;
    WriteQuality(w, out, b.quality);
    VisitVariability(b.variability, out);
    VisitDipping(b.dipping, out);
    w.Int(static_cast<int>(b.morningSurge.size()));
    for (const MorningSurge& m : b.morningSurge) VisitMorning(m, out);
    out(b.aasi);
    VisitHourly(b.hourly, out);
    WriteVerdict(w, out, b.guideline);
    return w.bytes();
}

std::optional<ClinicalRecord> DecodeClinical(std::string_view bytes, std::string& error) {
    ByteReader r(bytes);
    In in{r};
    ClinicalRecord record;
    for (int& page : record.pages) in(page);
    ClinicalBlock& b = record.block;
    ReadQuality(r, in, b.quality);
    VisitVariability(b.variability, in);
    VisitDipping(b.dipping, in);
    b.morningSurge.resize(static_cast<size_t>(r.Count(kMaxMornings, kMinMorningBytes)));
    for (MorningSurge& m : b.morningSurge) VisitMorning(m, in);
    in(b.aasi);
    VisitHourly(b.hourly, in);
    ReadVerdict(r, in, b.guideline);
    if (!r.failed() && !r.AtEnd())
        r.Fail(std::to_string(r.remaining()) + " bytes follow the end of the record");
    if (r.failed()) {
        error = r.error();
        return std::nullopt;
    }
    return record;
}

bool ClinicalRecord::operator==(const ClinicalRecord& o) const {
    return EncodeClinical(*this) == EncodeClinical(o);
}

}  // namespace vitalis
