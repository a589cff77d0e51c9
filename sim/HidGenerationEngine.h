#pragma once

#include <cstdint>
#include <vector>

#include "sim/MonitorEngine.h"
#include "sim/SimRecording.h"

namespace vitalis::sim {

struct HidSimOptions {
    uint8_t deviceType = 0x05;
    uint8_t deviceSubType = 0x01;
    uint8_t flags = 0x84;  // bit 7: the feature bit (2) is meaningful
    // Data set 3 (readings the patient started alone): the first this many readings.
    uint16_t singleUserReadings = 0;
};

// A HID-generation monitor. Commands are six-byte frames; zero bytes between frames are the
// padding of USB HID reports and are skipped. Data set 1 holds the recording; the other
// data sets and the oxygen-saturation data are empty. Frames for another device type go
// unanswered, as do unknown command letters (skipped a byte at a time). Data set 3 holds
// readings only when the options ask for them.
class HidGenerationEngine final : public MonitorEngine {
  public:
    HidGenerationEngine(SimRecording recording, HidSimOptions options, UploadSink uploads = {});

    std::vector<Message> Receive(std::span<const uint8_t> bytes) override;
    void Reset() override;

  private:
    // Handles the front of the buffer; false when more bytes are needed.
    bool Step(std::vector<Message>& out);
    bool Command(std::vector<Message>& out);
    void BlockRequest(const uint8_t* frame, std::vector<Message>& out);
    void MeasurementBlock(uint8_t selector, std::vector<Message>& out);
    bool SettingsPart(std::vector<Message>& out);

    SimRecording recording_;
    HidSimOptions options_;
    UploadSink uploads_;
    std::vector<uint8_t> buffer_;
    bool announced_ = false;
    std::vector<uint8_t> settingsFrame_;  // the "D" frame being written
};

}  // namespace vitalis::sim
