#pragma once

#include <optional>
#include <vector>

#include "device/hid/HidBlocks.h"
#include "device/link/MonitorFrames.h"
#include "device/session/CProtocolBase.h"

namespace vitalis {

// The HID-generation protocol over USB HID or a Bluetooth socket: six-byte command frames
// answered by "J" acknowledgements and packed blocks.
//
// Download: the session start, the patient and settings block, then the measurements of
// data set 1 (the blood-pressure recording) and data set 3 (readings the patient started
// alone). Each data set is read whole before anything is written; a record that does not
// come is asked for again, a damaged one ends the session.
//
// Naming of the case files, whatever the device type: a recording of data set 1 alone is
// filed directly in the case folder under the test begin ("YYMMDDhhmm.awp"), so a repeated
// download of the same recording replaces its file. When data set 3 holds readings, each
// data set gets a file named by the computer's clock ("YYMMDDhhmmss.awp"): data set 1 in
// "Vitalis/", data set 3 in "Vitalis/User1/".
class CProtocolNEW final : public CProtocolBase {
  public:
    using CProtocolBase::CProtocolBase;

    bool Download() override;
    bool Upload() override;

    struct DataSet {
        int selector = 0;
        HidMeasurementHeader header;
        std::vector<Measurement> records;
    };

  private:
    uint8_t DeviceType() const { return static_cast<uint8_t>(context_.identity.devType); }
    // Sends a "C" request and reads its acknowledgement, with the monitor's waits.
    bool RequestBlock(const Frame6& frame);
    std::optional<HidSettings> ReadSettings();
    // Nothing after a failure, which has been reported.
    std::optional<DataSet> ReadDataSet(uint8_t selector);
    bool ReadRecords(DataSet& set);
    void EndSession();
    bool Finish(const HidSettings& settings, const std::vector<DataSet>& sets);
    bool SendSettings(std::span<const uint8_t> frame);
    bool AckedWrite(std::span<const uint8_t> part, uint8_t command);
};

}  // namespace vitalis
