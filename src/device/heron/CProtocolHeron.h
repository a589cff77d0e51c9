#pragma once

#include "device/heron/HeronDownloadData.h"
#include "device/session/CProtocolBase.h"

namespace vitalis {

// The Heron protocol over a serial port or a Bluetooth socket.
//
// Download: the monitor answers the open with one of two reply forms and then sends its
// typed packets unasked, one every few milliseconds, until it falls silent. The session
// reads them with the fixed waits the monitor is built for (50 ms before each packet, 15 ms
// after), collects every reading, and writes the case files only when the data phase ended
// whole. Monitors of the 0x34 form send their header once more when asked with "T" after a
// one-file data set; that header (the one the monitor holds now) is the one filed.
//
// Upload: the 70-byte programming block, byte by byte, each acknowledged with 0x6C.
class CProtocolHeron final : public CProtocolBase {
  public:
    using CProtocolBase::CProtocolBase;

    bool Download() override;
    bool Upload() override;

  private:
    // False only when the session was cancelled.
    bool ReadDataPhase(HeronDownloadData& data);
    void AskForHeaderAgain(HeronDownloadData& data);
    bool Finish(const HeronDownloadData& data, uint8_t variant);
    // Sends one block byte and waits for its acknowledgement.
    bool SendAcknowledged(uint8_t byte);
};

}  // namespace vitalis
