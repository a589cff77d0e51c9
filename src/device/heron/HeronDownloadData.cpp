#include "device/heron/HeronDownloadData.h"

#include "device/session/CProtocolBase.h"

namespace vitalis {

void HeronDownloadData::Add(const HeronPacket& packet) {
    if (std::holds_alternative<HeronIgnored>(packet)) {
        // Packets have no checksum; one that fails its checks is a reading (or the count or
        // address of readings) that cannot be trusted, so the download is not whole.
        ++damaged_;
    } else if (const auto* m = std::get_if<Measurement>(&packet)) {
        if (Received() < kMaxSessionReadings)
            (singleFile_ ? single_ : monthly_).push_back(*m);
        else
            overflow_ = true;
    } else if (const auto* address = std::get_if<HeronAddress>(&packet)) {
        address_ = address->text;
        singleFile_ = address->singleFile;
    } else if (const auto* count = std::get_if<HeronCount>(&packet)) {
        countSeen_ = true;
        announced_ += count->records;
    } else if (const auto* header = std::get_if<HeronHeader>(&packet)) {
        header_ = *header;
    }
}

bool HeronDownloadData::TooMany() const {
    return overflow_ || announced_ > static_cast<uint64_t>(kMaxSessionReadings);
}

std::string HeronDownloadData::CountText() const {
    std::string text = std::to_string(Received());
    if (countSeen_) text += "/" + std::to_string(announced_);
    return text;
}

}  // namespace vitalis
