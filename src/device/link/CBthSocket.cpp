#include "device/link/CBthSocket.h"

#include <array>

namespace vitalis {
namespace {

// The rest of a reply gets as many polls as the original made recv calls after the first.
constexpr int kFollowPolls = 10;
constexpr size_t kDiscardLimit = 64 * 1024;

}  // namespace

void CBthSocket::Attach(std::unique_ptr<ByteStream> connected) {
    Close();
    std::lock_guard lock(swap_);
    stream_ = std::move(connected);
}

bool CBthSocket::Send(std::span<const uint8_t> data) {
    if (data.empty() || !IsConnected()) return false;
    return stream_->Write(data).complete();
}

bool CBthSocket::Receive(std::span<uint8_t> buffer, size_t& received, int polls) {
    received = 0;
    if (buffer.empty() || polls < 1 || !IsConnected()) return false;
    StreamTimeouts first{};
    first.readInterval = std::chrono::milliseconds(0);
    first.readConstant = poll_ * polls;
    first.readPerByte = std::chrono::milliseconds(0);
    stream_->SetTimeouts(first);
    StreamResult result = stream_->Read(buffer.first(1));
    if (!result.complete()) return false;
    received = 1;
    if (buffer.size() == 1) return true;
    StreamTimeouts rest = first;
    rest.readInterval = poll_;
    rest.readConstant = poll_ * kFollowPolls;
    stream_->SetTimeouts(rest);
    result = stream_->Read(buffer.subspan(1));
    received += result.count;
    return result.status != StreamStatus::Failed && result.status != StreamStatus::Cancelled;
}

void CBthSocket::DiscardPending() {
    if (!IsConnected()) return;
    StreamTimeouts quick{};
    quick.readInterval = poll_;
    quick.readConstant = poll_;
    quick.readPerByte = std::chrono::milliseconds(0);
    stream_->SetTimeouts(quick);
    std::array<uint8_t, 256> scratch{};
    size_t discarded = 0;
    while (discarded < kDiscardLimit) {
        const StreamResult result = stream_->Read(scratch);
        discarded += result.count;
        if (!result.complete()) break;
    }
}

void CBthSocket::Close() {
    std::unique_ptr<ByteStream> closing;
    {
        std::lock_guard lock(swap_);
        closing = std::move(stream_);
    }
    if (closing) closing->Close();
}

void CBthSocket::Cancel() {
    std::lock_guard lock(swap_);
    if (stream_) stream_->Cancel();
}

}  // namespace vitalis
