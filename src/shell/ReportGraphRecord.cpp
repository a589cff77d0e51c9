#include "shell/ReportGraphRecord.h"

#include <array>

#include "case/CalendarTime.h"
#include "shell/ReportBytes.h"

namespace vitalis {

namespace {

using DateTimeBlock = std::array<int, 6>;

DateTimeBlock BlockOf(int64_t minute) {
    const ClockTime t = ClockTimeFromMinutes(minute);
    return {t.year, t.month, t.day, t.hour, t.minute, 0};
}

void WriteBlock(ByteWriter& w, const DateTimeBlock& block) {
    for (const int v : block) w.Int(v);
}

DateTimeBlock ReadBlock(ByteReader& r) {
    DateTimeBlock block{};
    for (int& v : block) v = r.Int();
    return block;
}

// The minute of a block, when it names a real date and time.
std::optional<int64_t> MinuteOf(const DateTimeBlock& b) {
    const ClockTime t{b[0], b[1], b[2], b[3], b[4]};
    if (b[5] != 0 || !IsValidClockTime(t)) return std::nullopt;
    return MinutesOf(t);
}

void ReadWindow(ByteReader& r, bool present, GraphRecord& record) {
    const DateTimeBlock first = ReadBlock(r), last = ReadBlock(r);
    if (r.failed()) return;
    if (!present) {
        if (first != DateTimeBlock{} || last != DateTimeBlock{})
            r.Fail("a window without its presence flag");
        return;
    }
    const std::optional<int64_t> from = MinuteOf(first), to = MinuteOf(last);
    if (!from || !to)
        r.Fail("an impossible window date");
    else if (*to <= *from)
        r.Fail("a window that ends before it starts");
    else
        record.screenWindow = TimeWindow{*from, *to};
}

}  // namespace

std::string EncodeGraph(const GraphRecord& record) {
    ByteWriter w;
    w.Int(static_cast<int>(record.options.type));
    w.Int(record.options.sameDisplay ? 1 : 0);
    w.Int(GraphScaleFromStored(record.options.scaleHours));
    w.Int(record.screenWindow ? 1 : 0);
    WriteBlock(w, record.screenWindow ? BlockOf(record.screenWindow->first) : DateTimeBlock{});
    WriteBlock(w, record.screenWindow ? BlockOf(record.screenWindow->last) : DateTimeBlock{});
    return w.bytes();
}

std::optional<GraphRecord> DecodeGraph(std::string_view bytes, std::string& error) {
    if (bytes.size() != kGraphRecordBytes) {
        error =
            std::to_string(bytes.size()) + " bytes instead of " + std::to_string(kGraphRecordBytes);
        return std::nullopt;
    }
    ByteReader r(bytes);
    GraphRecord record;
    const int type = r.Int(), same = r.Int(), scale = r.Int(), present = r.Int();
    if (type != 0 && type != 1)
        r.Fail("an unknown graph type " + std::to_string(type));
    else if (same != 0 && same != 1)
        r.Fail("a same-display flag of " + std::to_string(same));
    else if (!KnownGraphScale(scale))
        r.Fail("an unknown time scale of " + std::to_string(scale) + " hours");
    else if (present != 0 && present != 1)
        r.Fail("a window flag of " + std::to_string(present));
    if (!r.failed()) {
        record.options = {GraphTypeFromStored(type), same == 1, scale};
        ReadWindow(r, present == 1, record);
    }
    if (r.failed()) {
        error = r.error();
        return std::nullopt;
    }
    return record;
}

bool GraphRecord::operator==(const GraphRecord& o) const {
    return EncodeGraph(*this) == EncodeGraph(o);
}

}  // namespace vitalis
