#include "TcpMonitor.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "LineServer.h"

namespace vitalis::sim {

TcpMonitor::TcpMonitor(MonitorEngine& engine, const FaultOptions& faults)
    : engine_(engine), faults_(faults) {}

TcpMonitor::~TcpMonitor() {
    if (listener_ >= 0) ::close(listener_);
}

bool TcpMonitor::Listen(uint16_t port) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener_ < 0) return false;
    const int one = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 1) != 0)
        return false;
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    return true;
}

void TcpMonitor::Run(const StopSignal& stop) {
    while (listener_ >= 0) {
        pollfd fds[2] = {{listener_, POLLIN, 0}, {stop.fd(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) return;
        if (fds[1].revents) return;
        if (!(fds[0].revents & POLLIN)) continue;
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0) continue;
        const int one = 1;
        ::setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        engine_.Reset();
        faults_.Restart();
        const LineEnd end = ServeLine(connection, engine_, faults_, stop);
        ::close(connection);
        if (end == LineEnd::Stopped) return;
    }
}

}  // namespace vitalis::sim
