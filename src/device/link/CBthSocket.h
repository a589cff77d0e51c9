#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <span>

#include "device/link/ByteStream.h"

namespace vitalis {

// The connected stream socket of a Bluetooth session: RFCOMM to the monitor, or the TCP
// stand-in of the simulator. The session manager connects it and owns it; channels and
// identification borrow it.
class CBthSocket final : public Cancellable {
  public:
    CBthSocket() = default;
    explicit CBthSocket(std::unique_ptr<ByteStream> connected) { Attach(std::move(connected)); }
    ~CBthSocket() override { Close(); }
    CBthSocket(const CBthSocket&) = delete;
    CBthSocket& operator=(const CBthSocket&) = delete;

    // Takes over a connected socket, closing any previous one.
    void Attach(std::unique_ptr<ByteStream> connected);
    bool IsConnected() const { return stream_ && stream_->IsOpen(); }

    // Every byte or failure.
    bool Send(std::span<const uint8_t> data);

    // Waits up to `polls` polls for the first byte, then keeps taking bytes while each follows
    // the last within one poll, up to the buffer's size. False when nothing came, the buffer
    // is empty or the socket failed; `received` says how many bytes arrived, which may be
    // fewer than asked for.
    bool Receive(std::span<uint8_t> buffer, size_t& received, int polls);

    // Throws away what the peer sent and nobody read yet, waiting at most one poll for it.
    void DiscardPending();

    void Close();
    void Cancel() override;

    void SetPollDuration(std::chrono::milliseconds poll) { poll_ = poll; }
    std::chrono::milliseconds PollDuration() const { return poll_; }
    ByteStream* Stream() { return stream_.get(); }

  private:
    // Cancel may come from another thread while the worker closes the socket.
    std::mutex swap_;
    std::unique_ptr<ByteStream> stream_;
    std::chrono::milliseconds poll_{100};
};

}  // namespace vitalis
