#include "device/link/CBthLinkHid.h"

namespace vitalis {

CBthLinkHid::CBthLinkHid(CBthSocket& socket, Pacer& pacer, const LinkTiming& timing)
    : socket_(socket), timing_(timing), watch_(pacer.Observe(socket)) {
    socket_.SetPollDuration(timing_.bluetoothPoll);
}

LinkRead CBthLinkHid::ByteByByte(std::span<uint8_t> buffer, int pollsPerByte) {
    LinkRead read;
    for (uint8_t& byte : buffer) {
        size_t received = 0;
        if (!socket_.Receive({&byte, 1}, received, pollsPerByte)) return read;
        ++read.count;
    }
    read.ok = true;
    return read;
}

LinkRead CBthLinkHid::ReadUp(std::span<uint8_t> buffer) {
    return ByteByByte(buffer, timing_.bluetoothHidUpPolls);
}

LinkRead CBthLinkHid::ReadDown(std::span<uint8_t> buffer) {
    return ByteByByte(buffer, timing_.bluetoothHidDownPolls);
}

}  // namespace vitalis
