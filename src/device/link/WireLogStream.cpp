#include "device/link/WireLogStream.h"

namespace vitalis {

std::string DescribeShortTransfer(const char* what, const StreamResult& result, size_t asked) {
    const char* how = "failed";
    if (result.status == StreamStatus::TimedOut) how = "timed out";
    if (result.status == StreamStatus::Cancelled) how = "was cancelled";
    return std::string(what) + " " + how + " after " + std::to_string(result.count) + " of " +
           std::to_string(asked) + " bytes";
}

WireLogStream::WireLogStream(std::unique_ptr<ByteStream> inner, WireLog& log)
    : inner_(std::move(inner)), log_(log), name_(inner_->Name()) {
    log_.Note(name_, "open");
}

StreamResult WireLogStream::Read(std::span<uint8_t> buffer) {
    const StreamResult result = inner_->Read(buffer);
    log_.Bytes(name_, WireLog::Direction::Received, buffer.first(result.count));
    if (!result.complete()) log_.Note(name_, DescribeShortTransfer("read", result, buffer.size()));
    return result;
}

StreamResult WireLogStream::Write(std::span<const uint8_t> data) {
    const StreamResult result = inner_->Write(data);
    log_.Bytes(name_, WireLog::Direction::Sent, data.first(result.count));
    if (!result.complete()) log_.Note(name_, DescribeShortTransfer("write", result, data.size()));
    return result;
}

void WireLogStream::Close() {
    if (inner_->IsOpen()) log_.Note(name_, "close");
    inner_->Close();
}

}  // namespace vitalis
