#include "sim/HidGenerationEngine.h"

#include <algorithm>

#include "device/hid/HidBlocks.h"
#include "device/link/HighBitPacking.h"
#include "device/link/MonitorFrames.h"

namespace vitalis::sim {
namespace {

constexpr size_t kFrameLength = 6;

Message Prefixed(uint8_t marker, uint8_t deviceType, std::span<const uint8_t> raw) {
    Message out{marker, deviceType};
    const std::vector<uint8_t> packed = PackHighBits(raw);
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

HidSettings SettingsOf(const SimRecording& r) {
    HidSettings s;
    s.patientName = r.patientName;
    s.patientId = r.patientId;
    s.start = r.start;
    s.awakeHour = r.awakeHour;
    s.awakeMin = r.awakeMin;
    s.awakeInterval = r.awakeInterval;
    s.asleepHour = r.asleepHour;
    s.asleepMin = r.asleepMin;
    s.asleepInterval = r.asleepInterval;
    s.specialStartHour = r.specialStartHour;
    s.specialStartMin = r.specialStartMin;
    s.specialInterval = r.specialInterval;
    s.specialEndHour = r.specialEndHour;
    s.specialEndMin = r.specialEndMin;
    s.option = 1;
    return s;
}

}  // namespace

HidGenerationEngine::HidGenerationEngine(SimRecording recording, HidSimOptions options,
                                         UploadSink uploads)
    : recording_(std::move(recording)), options_(options), uploads_(std::move(uploads)) {}

void HidGenerationEngine::Reset() {
    buffer_.clear();
    announced_ = false;
    settingsFrame_.clear();
}

std::vector<Message> HidGenerationEngine::Receive(std::span<const uint8_t> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    std::vector<Message> out;
    while (!buffer_.empty() && Step(out)) {
    }
    return out;
}

bool HidGenerationEngine::Step(std::vector<Message>& out) {
    if (!settingsFrame_.empty()) return SettingsPart(out);
    if (buffer_.front() == 0x00) {
        buffer_.erase(buffer_.begin());
        return true;
    }
    if (buffer_.front() == kSettingsCommand && announced_) {
        settingsFrame_.push_back(buffer_.front());
        buffer_.erase(buffer_.begin());
        return true;
    }
    return Command(out);
}

bool HidGenerationEngine::Command(std::vector<Message>& out) {
    const uint8_t letter = buffer_.front();
    const bool known = letter == kIdentifyCommand || letter == kStartCommand ||
                       letter == kBlockCommand || letter == kEndCommand;
    if (!known) {
        buffer_.erase(buffer_.begin());
        return true;
    }
    if (buffer_.size() < kFrameLength) return false;
    std::array<uint8_t, kFrameLength> frame{};
    std::copy_n(buffer_.begin(), kFrameLength, frame.begin());
    buffer_.erase(buffer_.begin(), buffer_.begin() + kFrameLength);
    const bool signed_ = std::equal(kSignature.begin(), kSignature.end(), frame.begin() + 1);
    const bool ours = frame[1] == options_.deviceType;
    if (letter == kIdentifyCommand && signed_) {
        out.push_back(
            {kIdentifyMarker, 0x01, options_.deviceType, options_.deviceSubType, options_.flags});
    } else if (letter == kStartCommand && signed_) {
        out.push_back(
            {kStartMarker, options_.deviceType, options_.deviceSubType, 0x01, 0x00, 0x00, 0x00});
    } else if (letter == kBlockCommand && ours) {
        BlockRequest(frame.data(), out);
    } else if (letter == kEndCommand && ours) {
        const auto ack = AckFor(kEndCommand);
        out.emplace_back(ack.begin(), ack.end());
    }
    return true;
}

void HidGenerationEngine::BlockRequest(const uint8_t* frame, std::vector<Message>& out) {
    const auto ack = AckFor(kBlockCommand);
    out.emplace_back(ack.begin(), ack.end());
    if (frame[2] == 0x02) {  // a settings write follows
        announced_ = true;
        return;
    }
    const uint8_t selector = frame[3];
    switch (static_cast<BlockKind>(frame[4])) {
        case BlockKind::Settings: {
            const auto raw = EncodeSettings(SettingsOf(recording_));
            out.push_back(Prefixed(kSettingsBlockMarker, options_.deviceType, raw));
            break;
        }
        case BlockKind::Measurements:
            MeasurementBlock(selector, out);
            break;
        case BlockKind::Oxygen: {
            const std::array<uint8_t, kOxygenHeaderRawLength> raw{0, 0, 0, 2};
            out.push_back(Prefixed(kOxygenHeaderMarker, options_.deviceType, raw));
            break;
        }
    }
}

void HidGenerationEngine::MeasurementBlock(uint8_t selector, std::vector<Message>& out) {
    size_t count = 0;
    if (selector == 1)
        count = recording_.readings.size();
    else if (selector == 3)
        count = std::min<size_t>(options_.singleUserReadings, recording_.readings.size());
    HidMeasurementHeader header;
    header.recordCount = static_cast<int>(count);
    header.start = recording_.start;
    out.push_back(
        Prefixed(kMeasurementHeaderMarker, options_.deviceType, EncodeMeasurementHeader(header)));
    for (size_t i = 0; i < count; ++i)
        out.push_back(PackHighBits(EncodeRecord(recording_.readings[i])));
}

// The "D" frame never holds a zero byte (device type and packed bytes), so zeros are the
// padding of the reports it came in.
bool HidGenerationEngine::SettingsPart(std::vector<Message>& out) {
    const size_t total = kBlockPrefixLength + PackedLength(kSettingsRawLength);
    while (!buffer_.empty() && settingsFrame_.size() < total) {
        const uint8_t byte = buffer_.front();
        buffer_.erase(buffer_.begin());
        if (byte == 0x00) continue;
        settingsFrame_.push_back(byte);
        if (settingsFrame_.size() == kSettingsFirstPart) {
            const auto ack = AckFor(kSettingsCommand);
            out.emplace_back(ack.begin(), ack.end());
        }
    }
    if (settingsFrame_.size() < total) return false;
    const auto ack = AckFor(kSettingsCommand);
    out.emplace_back(ack.begin(), ack.end());
    std::vector<uint8_t> raw;
    const auto packed = std::span(settingsFrame_).subspan(kBlockPrefixLength);
    if (UnpackHighBits(packed, raw, kSettingsRawLength) == UnpackResult::Good && uploads_)
        uploads_(raw);
    settingsFrame_.clear();
    announced_ = false;
    return true;
}

}  // namespace vitalis::sim
