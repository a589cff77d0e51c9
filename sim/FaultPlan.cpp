#include "sim/FaultPlan.h"

namespace vitalis::sim {

FaultPlan::FaultPlan(FaultOptions options) : options_(options), junkState_(options.seed | 1u) {}

void FaultPlan::Restart() {
    sent_ = 0;
    silent_ = false;
    junkDone_ = false;
    stallDone_ = false;
}

// Junk of the nastiest kind for a reader: bytes with bit 7 clear, zeros, marker letters.
std::vector<uint8_t> FaultPlan::Junk() {
    std::vector<uint8_t> junk;
    for (size_t i = 0; i < options_.junkCount; ++i) {
        junkState_ = junkState_ * 1103515245u + 12345u;
        junk.push_back(static_cast<uint8_t>((junkState_ >> 16) & 0x7F));
    }
    return junk;
}

std::vector<OutgoingChunk> FaultPlan::Shape(std::span<const uint8_t> bytes) {
    std::vector<OutgoingChunk> chunks(1);
    for (const uint8_t byte : bytes) {
        if (silent_) break;
        if (options_.stallAt && !stallDone_ && sent_ == *options_.stallAt) {
            stallDone_ = true;
            if (!chunks.back().bytes.empty()) chunks.emplace_back();
            chunks.back().pauseBefore = options_.stall;
        }
        if (options_.junkAt && !junkDone_ && sent_ == *options_.junkAt) {
            junkDone_ = true;
            const auto junk = Junk();
            chunks.back().bytes.insert(chunks.back().bytes.end(), junk.begin(), junk.end());
        }
        if ((options_.silentAfter && sent_ >= *options_.silentAfter) ||
            (options_.dropAfter && sent_ >= *options_.dropAfter)) {
            silent_ = true;
            break;
        }
        chunks.back().bytes.push_back(byte);
        ++sent_;
    }
    if (options_.dropAfter && sent_ >= *options_.dropAfter) {
        silent_ = true;
        chunks.back().hangUpAfter = true;
    }
    return chunks;
}

}  // namespace vitalis::sim
