#pragma once

#include <chrono>
#include <cstdint>
#include <istream>
#include <memory>
#include <mutex>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vitalis {

// A timestamped hex log of every byte a session sends and receives, for support and for
// replaying a real monitor's conversation in tests. One line per transfer:
//
//   [    0.104512] /dev/ttyUSB0 > 01 8F FF FE FD FC 00
//   [    0.260001] /dev/ttyUSB0 < 02 8F FF FE FD FC
//   [    0.412000] /dev/ttyUSB0 - read timed out after 0 of 1 bytes
//
// Times are seconds since the log started; the first line gives the wall-clock start.
class WireLog {
  public:
    enum class Direction { Sent, Received };

    explicit WireLog(std::ostream& out);
    // Appends to a file; null when it cannot be opened.
    static std::unique_ptr<WireLog> ToFile(const std::string& path);
    ~WireLog();
    WireLog(const WireLog&) = delete;
    WireLog& operator=(const WireLog&) = delete;

    void Bytes(std::string_view line, Direction direction, std::span<const uint8_t> bytes);
    void Note(std::string_view line, std::string_view text);

  private:
    void Stamp(std::string_view line, char mark);

    std::mutex mutex_;
    std::unique_ptr<std::ostream> owned_;
    std::ostream& out_;
    std::chrono::steady_clock::time_point start_;
};

// One transfer read back from a log.
struct WireLogEntry {
    std::string line;
    WireLog::Direction direction = WireLog::Direction::Sent;
    std::vector<uint8_t> bytes;
};

// The transfers of a log, in order; notes and malformed lines are skipped.
std::vector<WireLogEntry> ReadWireLog(std::istream& in);

}  // namespace vitalis
