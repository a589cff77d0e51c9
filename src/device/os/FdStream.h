#pragma once

#include <string>

#include "device/link/ByteStream.h"
#include "device/os/FdWait.h"

namespace vitalis {

// A byte line over a non-blocking file descriptor (a tty or a stream socket) that keeps the
// timeout contract with poll, the wake fd in every poll set.
class FdStream : public ByteStream {
  public:
    explicit FdStream(std::string name);
    ~FdStream() override;
    FdStream(const FdStream&) = delete;
    FdStream& operator=(const FdStream&) = delete;

    bool IsOpen() const override { return fd_ >= 0; }
    StreamResult Read(std::span<uint8_t> buffer) override;
    StreamResult Write(std::span<const uint8_t> data) override;
    void Close() override;
    void Cancel() override { wake_.Poke(); }
    void SetTimeouts(const StreamTimeouts& timeouts) override { timeouts_ = timeouts; }
    StreamTimeouts Timeouts() const override { return timeouts_; }
    std::string_view Name() const override { return name_; }

  protected:
    // Takes over an open descriptor, which must be non-blocking.
    void Adopt(int fd);
    int fd() const { return fd_; }
    const WakeFd& wake() const { return wake_; }
    // Last words to the descriptor before it is closed.
    virtual void BeforeClose(int) {}

  private:
    std::string name_;
    int fd_ = -1;
    bool isSocket_ = false;
    WakeFd wake_;
    StreamTimeouts timeouts_{};
};

}  // namespace vitalis
