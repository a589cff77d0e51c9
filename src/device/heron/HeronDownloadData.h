#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "case/Measurement.h"
#include "device/heron/HeronPackets.h"

namespace vitalis {

// Everything the Heron data phase brought, kept until the phase has ended whole: nothing
// is written while readings may still be missing.
//
// Each reading goes to the writer the latest address packet chose: the monthly files, or
// the one case file of the session when the address was marked 0xFF. A monitor may send
// more than one data set, each opened by its address and announced by its count packet;
// the counts add up.
class HeronDownloadData {
  public:
    void Add(const HeronPacket& packet);

    const std::vector<Measurement>& monthly() const { return monthly_; }
    const std::vector<Measurement>& single() const { return single_; }
    const std::optional<HeronHeader>& header() const { return header_; }
    void ReplaceHeader(const HeronHeader& header) { header_ = header; }
    const std::string& address() const { return address_; }

    int Received() const { return static_cast<int>(monthly_.size() + single_.size()); }
    bool CountAnnounced() const { return countSeen_; }
    uint64_t Announced() const { return announced_; }
    int Damaged() const { return damaged_; }
    // Readings the announced counts still promise.
    bool Expecting() const { return countSeen_ && static_cast<uint64_t>(Received()) < announced_; }
    // More than any recording holds, announced or sent: not worth waiting for.
    bool TooMany() const;
    bool Whole() const { return damaged_ == 0 && !Expecting() && !TooMany(); }
    // "arrived/announced", or just the number that arrived when no count was announced.
    std::string CountText() const;

  private:
    std::vector<Measurement> monthly_;
    std::vector<Measurement> single_;
    std::optional<HeronHeader> header_;
    std::string address_;
    bool singleFile_ = false;
    bool countSeen_ = false;
    uint64_t announced_ = 0;
    int damaged_ = 0;
    bool overflow_ = false;
};

}  // namespace vitalis
