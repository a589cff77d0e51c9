#include "device/os/CSerialPort.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vitalis {

std::optional<unsigned> TermiosSpeed(uint32_t baudRate) {
    switch (baudRate) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        case 230400:
            return B230400;
        default:
            return std::nullopt;
    }
}

int OpenPortExclusively(const std::string& path) {
    // Non-blocking, so that a port without carrier does not hold the open.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    termios probe{};
    if (::tcgetattr(fd, &probe) != 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        ::ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool CSerialPort::Open(const SerialSettings& settings) {
    Close();
    const auto speed = TermiosSpeed(settings.baudRate);
    if (!speed || settings.dataBits != 8 || settings.parity != 0 || settings.stopBits != 0)
        return false;
    const int fd = OpenPortExclusively(path_);
    if (fd < 0) return false;
    termios tio{};
    ::tcgetattr(fd, &tio);
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, *speed) != 0 || ::cfsetospeed(&tio, *speed) != 0 ||
        ::tcsetattr(fd, TCSANOW, &tio) != 0) {
        ClosePortExclusively(fd);
        return false;
    }
    ::tcflush(fd, TCIOFLUSH);
    Adopt(fd);
    return true;
}

void ClosePortExclusively(int fd) {
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
}

void CSerialPort::BeforeClose(int fd) {
    ::ioctl(fd, TIOCNXCL);
}

}  // namespace vitalis
