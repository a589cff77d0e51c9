#include "device/link/CBthLinkHeron.h"

#include <array>

#include "device/link/MonitorFrames.h"

namespace vitalis {

CBthLinkHeron::CBthLinkHeron(CBthSocket& socket, Pacer& pacer, const LinkTiming& timing)
    : socket_(socket), pacer_(pacer), timing_(timing), watch_(pacer.Observe(socket)) {
    socket_.SetPollDuration(timing_.bluetoothPoll);
}

bool CBthLinkHeron::OpenToUp() {
    socket_.DiscardPending();
    const uint8_t open = kHeronUploadOpen;
    if (!socket_.Send({&open, 1})) return false;
    if (!pacer_.Pause(timing_.bluetoothUploadOpenPause)) return false;
    uint8_t reply = 0;
    size_t received = 0;
    if (!socket_.Receive({&reply, 1}, received, timing_.bluetoothUploadOpenPolls)) return false;
    return reply == kHeronUploadAck;
}

// The monitor may still be sending what an earlier open started (identification opens it
// too), so stale bytes are thrown away before each attempt.
bool CBthLinkHeron::OpenToDown() {
    variant_ = 0;
    const Frame6 frame = HeronOpenFrame();
    for (int attempt = 0; attempt < timing_.bluetoothDownloadOpenAttempts; ++attempt) {
        socket_.DiscardPending();
        if (!socket_.Send(frame)) return false;
        if (!pacer_.Pause(timing_.bluetoothDownloadOpenPause)) return false;
        std::array<uint8_t, kHeronOpenReplyLength> reply{};
        size_t received = 0;
        const bool got = socket_.Receive(reply, received, timing_.bluetoothDownloadOpenPolls);
        if (got && received == reply.size()) {
            if (const auto variant = HeronOpenReplyVariant(reply)) {
                variant_ = *variant;
                return true;
            }
        }
        if (pacer_.IsCancelled() || !socket_.IsConnected()) return false;
    }
    return false;
}

LinkRead CBthLinkHeron::Receive(std::span<uint8_t> buffer, int polls) {
    size_t received = 0;
    const bool ok = socket_.Receive(buffer, received, polls);
    return {ok, static_cast<uint32_t>(received)};
}

LinkRead CBthLinkHeron::ReadUp(std::span<uint8_t> buffer) {
    return Receive(buffer, timing_.bluetoothHeronUpPolls);
}

LinkRead CBthLinkHeron::ReadDown(std::span<uint8_t> buffer) {
    return Receive(buffer, timing_.bluetoothHeronDownPolls);
}

}  // namespace vitalis
