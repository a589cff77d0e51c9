#pragma once

#include <optional>
#include <string>

#include "device/link/SerialPortProvider.h"
#include "device/os/FdStream.h"

namespace vitalis {

// A serial port (termios), 8 data bits, no parity, one stop bit, no flow control. It is
// opened for this program alone (TIOCEXCL and an exclusive flock) with both queues emptied,
// so nothing another program or an earlier session left behind is taken for a reply.
class CSerialPort final : public FdStream {
  public:
    CSerialPort() : FdStream("") {}
    explicit CSerialPort(const std::string& path) : FdStream(path), path_(path) {}

    void SetPortName(const std::string& path) { path_ = path; }
    const std::string& PortName() const { return path_; }

    // False when the port cannot be opened, is in use, is not a tty or refuses the settings.
    bool Open(const SerialSettings& settings);

  protected:
    void BeforeClose(int fd) override;

  private:
    std::string path_;
};

// The termios speed constant of a rate; nothing for rates a port cannot be set to.
std::optional<unsigned> TermiosSpeed(uint32_t baudRate);

// Opens a port for this program alone without changing its settings: the open check of the
// port list. Returns the descriptor or -1.
int OpenPortExclusively(const std::string& path);
// Gives up the exclusive use and closes. The exclusive mark belongs to the tty, not to the
// descriptor, and would outlive a plain close of a pseudo-terminal whose master stays open.
void ClosePortExclusively(int fd);

}  // namespace vitalis
