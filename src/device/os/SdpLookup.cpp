#include "device/os/SdpLookup.h"

#include <bluetooth/bluetooth.h>
#include <bluetooth/sdp.h>
#include <bluetooth/sdp_lib.h>
#include <poll.h>
#include <sys/socket.h>

#include <cstdio>
#include <string>

namespace vitalis {
namespace {

void FreeProtocols(sdp_list_t* protocols) {
    for (sdp_list_t* p = protocols; p != nullptr; p = p->next)
        sdp_list_free(static_cast<sdp_list_t*>(p->data), nullptr);
    sdp_list_free(protocols, nullptr);
}

std::optional<uint8_t> ChannelOf(sdp_list_t* records) {
    std::optional<uint8_t> channel;
    for (sdp_list_t* r = records; r != nullptr; r = r->next) {
        auto* record = static_cast<sdp_record_t*>(r->data);
        sdp_list_t* protocols = nullptr;
        if (!channel && sdp_get_access_protos(record, &protocols) == 0) {
            const int port = sdp_get_proto_port(protocols, RFCOMM_UUID);
            if (port > 0 && port <= 30) channel = static_cast<uint8_t>(port);
            FreeProtocols(protocols);
        }
        sdp_record_free(record);
    }
    sdp_list_free(records, nullptr);
    return channel;
}

bool ConnectedInTime(sdp_session_t* session, const WakeFd& wake,
                     std::chrono::milliseconds timeout) {
    const int fd = sdp_get_socket(session);
    if (WaitFd(fd, POLLOUT, wake, timeout) != FdReady::Ready) return false;
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

}  // namespace

std::optional<std::array<uint8_t, 16>> ParseUuid(std::string_view text) {
    if (text.size() != 36) return std::nullopt;
    unsigned a = 0, b = 0, c = 0, d[8] = {};
    int end = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x%n", &a, &b, &c,
                    &d[0], &d[1], &d[2], &d[3], &d[4], &d[5], &d[6], &d[7], &end) != 11 ||
        end != 36)
        return std::nullopt;
    return std::array<uint8_t, 16>{
        static_cast<uint8_t>(a >> 24), static_cast<uint8_t>(a >> 16), static_cast<uint8_t>(a >> 8),
        static_cast<uint8_t>(a),       static_cast<uint8_t>(b >> 8),  static_cast<uint8_t>(b),
        static_cast<uint8_t>(c >> 8),  static_cast<uint8_t>(c),       static_cast<uint8_t>(d[0]),
        static_cast<uint8_t>(d[1]),    static_cast<uint8_t>(d[2]),    static_cast<uint8_t>(d[3]),
        static_cast<uint8_t>(d[4]),    static_cast<uint8_t>(d[5]),    static_cast<uint8_t>(d[6]),
        static_cast<uint8_t>(d[7])};
}

std::optional<uint8_t> FindSerialPortChannel(uint64_t address, const WakeFd& wake,
                                             std::chrono::milliseconds timeout) {
    const auto uuidBytes = ParseUuid(kSerialPortServiceUuid);
    if (!uuidBytes) return std::nullopt;
    bdaddr_t any{};
    bdaddr_t target{};
    for (int i = 0; i < 6; ++i) target.b[i] = static_cast<uint8_t>(address >> (8 * i));
    sdp_session_t* session = sdp_connect(&any, &target, SDP_NON_BLOCKING);
    if (session == nullptr) return std::nullopt;
    std::optional<uint8_t> channel;
    if (ConnectedInTime(session, wake, timeout)) {
        uuid_t service{};
        sdp_uuid128_create(&service, uuidBytes->data());
        uint32_t range = 0x0000FFFF;
        sdp_list_t* search = sdp_list_append(nullptr, &service);
        sdp_list_t* attributes = sdp_list_append(nullptr, &range);
        sdp_list_t* records = nullptr;
        if (sdp_service_search_attr_req(session, search, SDP_ATTR_REQ_RANGE, attributes,
                                        &records) == 0)
            channel = ChannelOf(records);
        sdp_list_free(search, nullptr);
        sdp_list_free(attributes, nullptr);
    }
    sdp_close(session);
    return channel;
}

}  // namespace vitalis
