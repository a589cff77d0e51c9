#include "sim/HeronPacketWriter.h"

#include <algorithm>

#include "device/heron/HeronPackets.h"
#include "device/link/HighBitPacking.h"

namespace vitalis::sim {
namespace {

void Append(Message& out, std::span<const uint8_t> raw) {
    const std::vector<uint8_t> packed = PackHighBits(raw);
    out.insert(out.end(), packed.begin(), packed.end());
}

uint8_t Hi(int v) {
    return static_cast<uint8_t>(v >> 8);
}
uint8_t Lo(int v) {
    return static_cast<uint8_t>(v);
}

void PutClock(Message& out, size_t at, const ClockTime& t) {
    out[at] = Hi(t.year);
    out[at + 1] = Lo(t.year);
    out[at + 2] = Lo(t.month);
    out[at + 3] = Lo(t.day);
    out[at + 4] = Lo(t.hour);
    out[at + 5] = Lo(t.minute);
}

// The monitor's own single-byte text, as the workstation reads it.
void PutText(Message& out, size_t at, size_t width, const std::string& text) {
    PutFixedWidthText(std::span(out).subspan(at, width), text);
}

}  // namespace

Message HeronMeasurementPacket(const Measurement& m) {
    const std::array<uint8_t, 15> raw{Hi(m.year), Lo(m.year),   Lo(m.month), Lo(m.day),
                                      Lo(m.hour), Lo(m.minute), Hi(m.sys),   Lo(m.sys),
                                      Hi(m.map),  Lo(m.map),    Hi(m.dia),   Lo(m.dia),
                                      Hi(m.pr),   Lo(m.pr),     Lo(m.status)};
    Message out{kHeronMeasurementPacket};
    Append(out, std::span(raw).subspan(0, 6));
    out.push_back(0x08);
    Append(out, std::span(raw).subspan(6, 6));
    out.push_back(0x09);
    Append(out, std::span(raw).subspan(12, 3));
    out.push_back(0x00);
    return out;
}

Message HeronAddressPacket(const std::array<uint8_t, 6>& address) {
    Message out{kHeronAddressPacket};
    Append(out, address);
    return out;
}

Message HeronCountPacket(uint32_t records) {
    const std::array<uint8_t, 4> raw{
        static_cast<uint8_t>(records >> 24), static_cast<uint8_t>(records >> 16),
        static_cast<uint8_t>(records >> 8), static_cast<uint8_t>(records)};
    Message out{kHeronCountPacket};
    Append(out, raw);
    return out;
}

// Header byte n sits at out[n]: the type byte is out[0].
Message HeronHeaderPacket(const SimRecording& r, int storedCount) {
    Message out(73, 0);
    out[0] = kHeronHeaderPacket;
    PutText(out, 1, 30, r.patientName);
    PutText(out, 31, 11, r.patientId);
    PutClock(out, 42, r.programmedAt);
    PutClock(out, 48, r.start);
    out[54] = 1;
    out[55] = 24;
    const int tail[] = {r.awakeHour,       r.awakeMin,       r.awakeInterval,    r.asleepHour,
                        r.asleepMin,       r.asleepInterval, r.specialStartHour, r.specialStartMin,
                        r.specialInterval, r.specialEndHour, r.specialEndMin};
    for (size_t i = 0; i < std::size(tail); ++i) out[58 + i] = Lo(tail[i]);
    out[70] = 1;
    out[71] = Hi(storedCount);
    out[72] = Lo(storedCount);
    return out;
}

}  // namespace vitalis::sim
