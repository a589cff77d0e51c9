#pragma once

#include <memory>
#include <string>

#include "device/link/ByteStream.h"
#include "device/link/WireLog.h"

namespace vitalis {

// Logs every byte that passes through a line, and reads that come back short or fail.
class WireLogStream final : public ByteStream {
  public:
    WireLogStream(std::unique_ptr<ByteStream> inner, WireLog& log);

    bool IsOpen() const override { return inner_->IsOpen(); }
    StreamResult Read(std::span<uint8_t> buffer) override;
    StreamResult Write(std::span<const uint8_t> data) override;
    void Close() override;
    void Cancel() override { inner_->Cancel(); }
    void SetTimeouts(const StreamTimeouts& timeouts) override { inner_->SetTimeouts(timeouts); }
    StreamTimeouts Timeouts() const override { return inner_->Timeouts(); }
    std::string_view Name() const override { return name_; }

  private:
    std::unique_ptr<ByteStream> inner_;
    WireLog& log_;
    std::string name_;
};

// The text a log gives an unfinished transfer.
std::string DescribeShortTransfer(const char* what, const StreamResult& result, size_t asked);

}  // namespace vitalis
