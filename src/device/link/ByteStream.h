#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vitalis {

// Something whose waits another thread can end at once.
class Cancellable {
  public:
    virtual ~Cancellable() = default;
    // Ends every wait in progress and every later one until the object is closed. Safe to
    // call from any thread at any time.
    virtual void Cancel() = 0;
};

// How long reads and writes may take, the way a serial port counts it. A read of n bytes
// ends after readConstant + n * readPerByte in total; once the first byte has arrived it also
// ends when no further byte follows within readInterval (zero: no such limit). A write of n
// bytes must be handed over within writeConstant + n * writePerByte.
struct StreamTimeouts {
    std::chrono::milliseconds readInterval{50};
    std::chrono::milliseconds readConstant{100};
    std::chrono::milliseconds readPerByte{50};
    std::chrono::milliseconds writeConstant{100};
    std::chrono::milliseconds writePerByte{50};

    std::chrono::milliseconds ReadTotal(size_t n) const {
        return readConstant + readPerByte * static_cast<int64_t>(n);
    }
    std::chrono::milliseconds WriteTotal(size_t n) const {
        return writeConstant + writePerByte * static_cast<int64_t>(n);
    }
};

enum class StreamStatus {
    Complete,   // every byte asked for moved
    TimedOut,   // the time ran out first; count says how far it got
    Cancelled,  // Cancel() ended the wait
    Failed,     // the line is gone or was never open
};

struct StreamResult {
    size_t count = 0;
    StreamStatus status = StreamStatus::Failed;
    bool complete() const { return status == StreamStatus::Complete; }
};

// A duplex byte line to a monitor: a serial port, a stream socket, or a stand-in. Reads and
// writes follow the timeouts; a read that times out is not an error, it just returns fewer
// bytes. One thread reads and writes; any thread may cancel.
class ByteStream : public Cancellable {
  public:
    virtual bool IsOpen() const = 0;
    virtual StreamResult Read(std::span<uint8_t> buffer) = 0;
    virtual StreamResult Write(std::span<const uint8_t> data) = 0;
    virtual void Close() = 0;
    virtual void SetTimeouts(const StreamTimeouts& timeouts) = 0;
    virtual StreamTimeouts Timeouts() const = 0;
    // For logs and messages: the port path or the peer address.
    virtual std::string_view Name() const = 0;
};

}  // namespace vitalis
