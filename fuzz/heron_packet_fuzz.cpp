// Any bytes as what a Heron monitor sends after the open: the packet reader and the packet
// decoders must end every packet with a result, never crash, hang or over-allocate.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "case/TextSource.h"
#include "device/heron/HeronPacketReader.h"
#include "device/heron/HeronPackets.h"
#include "device/link/CBthLinkHeron.h"
#include "support/ScriptedStream.h"

namespace {

class NoWait final : public vitalis::Pacer {
  public:
    bool Pause(std::chrono::milliseconds) override { return true; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    const vitalis::NoTexts texts;
    // The bytes as one receive area...
    [[maybe_unused]] const auto single = vitalis::DecodeHeronPacket(bytes, texts);
    // ...and as the stream the reader takes packet after packet from.
    auto line = std::make_unique<vitalis::ScriptedStream>("fuzz");
    line->Send(bytes);
    vitalis::CBthSocket socket(std::move(line));
    NoWait pacer;
    vitalis::CBthLinkHeron link(socket, pacer, vitalis::LinkTiming{});
    vitalis::HeronPacketReader reader(link, 16);
    while (reader.Next()) {
        [[maybe_unused]] const auto packet = vitalis::DecodeHeronPacket(reader.Area(), texts);
    }
    return 0;
}
