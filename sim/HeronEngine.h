#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sim/MonitorEngine.h"
#include "sim/SimRecording.h"

namespace vitalis::sim {

struct HeronSimOptions {
    uint8_t variant = 0x02;  // the reply form of the open: 0x02 or 0x34
    // Marks the address packet so the records go into one case file rather than monthly
    // files; the 0x34 form then answers "T" with the header again.
    bool singleFile = false;
    std::array<uint8_t, 6> address{0x00, 0x1B, 0x35, 0x12, 0x7A, 0x40};
};

// A Heron monitor. On the open frame it answers with its reply form and sends its whole
// recording at once, in this order: address, header, count, then one packet per reading.
// 0xAA opens an upload: it answers 0x6C and then acknowledges each of the 70 block bytes
// with 0x6C; the finished block goes to the upload sink.
class HeronEngine final : public MonitorEngine {
  public:
    HeronEngine(SimRecording recording, HeronSimOptions options, UploadSink uploads = {});

    std::vector<Message> Receive(std::span<const uint8_t> bytes) override;
    void Reset() override;

    int OpensAnswered() const { return opens_; }

  private:
    void OnByte(uint8_t byte, std::vector<Message>& out);
    void SendRecording(std::vector<Message>& out);

    SimRecording recording_;
    HeronSimOptions options_;
    UploadSink uploads_;
    std::vector<uint8_t> window_;  // the last bytes, to spot the open frame
    bool uploading_ = false;
    bool sent_ = false;
    std::vector<uint8_t> block_;
    int opens_ = 0;
};

}  // namespace vitalis::sim
