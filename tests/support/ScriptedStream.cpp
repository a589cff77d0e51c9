#include "support/ScriptedStream.h"

#include <algorithm>

namespace vitalis {

ScriptedStream::ScriptedStream(std::string name) : name_(std::move(name)) {}

ScriptedStream& ScriptedStream::Expect(Bytes expect, Bytes reply) {
    script_.push_back({std::move(expect), std::move(reply)});
    RunScript();
    return *this;
}

ScriptedStream& ScriptedStream::Send(const Bytes& bytes) {
    Queue(bytes);
    return *this;
}

void ScriptedStream::Queue(std::span<const uint8_t> bytes) {
    inbox_.insert(inbox_.end(), bytes.begin(), bytes.end());
}

void ScriptedStream::RunScript() {
    while (!mismatch_ && step_ < script_.size()) {
        const Step& step = script_[step_];
        const size_t compare = std::min(step.expect.size(), pendingWrite_.size());
        if (!std::equal(step.expect.begin(), step.expect.begin() + compare,
                        pendingWrite_.begin())) {
            mismatch_ = true;
            return;
        }
        if (pendingWrite_.size() < step.expect.size()) return;
        pendingWrite_.erase(pendingWrite_.begin(), pendingWrite_.begin() + compare);
        Queue(step.reply);
        ++step_;
    }
}

StreamResult ScriptedStream::Write(std::span<const uint8_t> data) {
    if (!IsOpen()) return {0, StreamStatus::Failed};
    if (cancelled_) return {0, StreamStatus::Cancelled};
    written_.insert(written_.end(), data.begin(), data.end());
    if (step_ < script_.size() && !mismatch_) {
        pendingWrite_.insert(pendingWrite_.end(), data.begin(), data.end());
        RunScript();
    } else if (responder_ && !mismatch_) {
        Queue(responder_(data));
    }
    return {data.size(), StreamStatus::Complete};
}

StreamResult ScriptedStream::Read(std::span<uint8_t> buffer) {
    ++readCalls_;
    if (!IsOpen()) return {0, StreamStatus::Failed};
    if (cancelled_) return {0, StreamStatus::Cancelled};
    const size_t count = std::min({buffer.size(), inbox_.size(), vanishAfter_});
    std::copy_n(inbox_.begin(), count, buffer.begin());
    inbox_.erase(inbox_.begin(), inbox_.begin() + static_cast<std::ptrdiff_t>(count));
    if (vanishAfter_ != SIZE_MAX) {
        vanishAfter_ -= count;
        if (vanishAfter_ == 0 && count < buffer.size()) {
            vanished_ = true;
            return {count, StreamStatus::Failed};
        }
    }
    if (count == buffer.size()) return {count, StreamStatus::Complete};
    ++shortReads_;
    return {count, StreamStatus::TimedOut};
}

std::unique_ptr<ScriptedStream> ReplayWireLog(const std::vector<WireLogEntry>& entries,
                                              std::string_view line) {
    auto replay = std::make_unique<ScriptedStream>(std::string(line));
    ScriptedStream::Bytes sent;
    ScriptedStream::Bytes received;
    const auto flush = [&] {
        if (sent.empty())
            replay->Send(received);
        else
            replay->Expect(sent, received);
        sent.clear();
        received.clear();
    };
    for (const WireLogEntry& entry : entries) {
        if (entry.line != line) continue;
        if (entry.direction == WireLog::Direction::Sent) {
            if (!received.empty()) flush();
            sent.insert(sent.end(), entry.bytes.begin(), entry.bytes.end());
        } else {
            received.insert(received.end(), entry.bytes.begin(), entry.bytes.end());
        }
    }
    if (!sent.empty() || !received.empty()) flush();
    return replay;
}

}  // namespace vitalis
