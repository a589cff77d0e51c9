#include "device/os/SocketStream.h"

#include <bluetooth/bluetooth.h>
#include <bluetooth/rfcomm.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "device/os/SdpLookup.h"

namespace vitalis {
namespace {

struct AddressListFree {
    void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};

std::string Unbracketed(const std::string& host) {
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        return host.substr(1, host.size() - 2);
    return host;
}

}  // namespace

bool SocketStream::FinishConnect(int fd, std::chrono::milliseconds timeout) {
    if (WaitFd(fd, POLLOUT, wake(), timeout) != FdReady::Ready) return false;
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

bool SocketStream::ConnectTcp(const std::string& host, uint16_t port,
                              std::chrono::milliseconds timeout) {
    Close();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(Unbracketed(host).c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    const std::unique_ptr<addrinfo, AddressListFree> list(found);
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        const int fd =
            ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        const int rc = ::connect(fd, a->ai_addr, a->ai_addrlen);
        if ((rc == 0 || errno == EINPROGRESS) && (rc == 0 || FinishConnect(fd, timeout))) {
            const int one = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            Adopt(fd);
            return true;
        }
        ::close(fd);
        if (wake().Poked()) return false;
    }
    return false;
}

bool SocketStream::ConnectRfcomm(uint64_t address, std::chrono::milliseconds timeout) {
    Close();
    const uint8_t channel = FindSerialPortChannel(address, wake(), timeout).value_or(1);
    if (wake().Poked()) return false;
    const int fd =
        ::socket(AF_BLUETOOTH, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, BTPROTO_RFCOMM);
    if (fd < 0) return false;
    sockaddr_rc peer{};
    peer.rc_family = AF_BLUETOOTH;
    for (int i = 0; i < 6; ++i) peer.rc_bdaddr.b[i] = static_cast<uint8_t>(address >> (8 * i));
    peer.rc_channel = channel;
    const int rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
    if ((rc == 0 || errno == EINPROGRESS) && (rc == 0 || FinishConnect(fd, timeout))) {
        Adopt(fd);
        return true;
    }
    ::close(fd);
    return false;
}

void SocketStream::BeforeClose(int fd) {
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    ::shutdown(fd, SHUT_RDWR);
}

}  // namespace vitalis
