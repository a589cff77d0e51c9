#include "sim/HeronEngine.h"

#include <algorithm>

#include "device/link/MonitorFrames.h"
#include "sim/HeronPacketWriter.h"

namespace vitalis::sim {
namespace {

constexpr size_t kUploadBlockLength = 70;

}  // namespace

HeronEngine::HeronEngine(SimRecording recording, HeronSimOptions options, UploadSink uploads)
    : recording_(std::move(recording)), options_(options), uploads_(std::move(uploads)) {}

void HeronEngine::Reset() {
    window_.clear();
    uploading_ = false;
    sent_ = false;
    block_.clear();
}

std::vector<Message> HeronEngine::Receive(std::span<const uint8_t> bytes) {
    std::vector<Message> out;
    for (const uint8_t byte : bytes) OnByte(byte, out);
    return out;
}

void HeronEngine::OnByte(uint8_t byte, std::vector<Message>& out) {
    if (uploading_) {
        block_.push_back(byte);
        out.push_back({kHeronUploadAck});
        if (block_.size() == kUploadBlockLength) {
            if (uploads_) uploads_(block_);
            uploading_ = false;
            block_.clear();
        }
        return;
    }
    if (byte == kHeronUploadOpen) {
        uploading_ = true;
        block_.clear();
        window_.clear();
        out.push_back({kHeronUploadAck});
        return;
    }
    if (byte == kHeronHeaderRequest && sent_ && options_.singleFile &&
        options_.variant == kHeronHeaderAgainVariant) {
        out.push_back(HeronHeaderPacket(recording_, static_cast<int>(recording_.readings.size())));
        return;
    }
    window_.push_back(byte);
    if (window_.size() > kHeronOpenReplyLength) window_.erase(window_.begin());
    const Frame6 open = HeronOpenFrame();
    if (std::equal(window_.begin(), window_.end(), open.begin(), open.end())) {
        window_.clear();
        ++opens_;
        Message reply{options_.variant};
        reply.insert(reply.end(), kSignature.begin(), kSignature.end());
        out.push_back(reply);
        SendRecording(out);
    }
}

void HeronEngine::SendRecording(std::vector<Message>& out) {
    std::array<uint8_t, 6> address = options_.address;
    // The mark is the last body byte reading 0xFF, which the packing gives for a raw 0xFF.
    if (options_.singleFile)
        address[5] = 0xFF;
    else if ((address[5] & 0x7F) == 0x7F)
        address[5] = 0x40;
    const int count = static_cast<int>(recording_.readings.size());
    out.push_back(HeronAddressPacket(address));
    out.push_back(HeronHeaderPacket(recording_, count));
    out.push_back(HeronCountPacket(static_cast<uint32_t>(count)));
    for (const Measurement& m : recording_.readings) out.push_back(HeronMeasurementPacket(m));
    sent_ = true;
}

}  // namespace vitalis::sim
