#include "device/link/WireLogPlatform.h"

#include "device/link/WireLogStream.h"

namespace vitalis {
namespace {

constexpr const char* kHidName = "usb-hid";

class WireLogHidDevice final : public HidDevice {
  public:
    WireLogHidDevice(std::unique_ptr<HidDevice> inner, WireLog& log)
        : inner_(std::move(inner)), log_(log) {}

    int SelectDeviceOpen(int index, uint16_t vendorId, uint16_t productId) override {
        const int length = inner_->SelectDeviceOpen(index, vendorId, productId);
        log_.Note(kHidName, length > 0 ? "open, report length " + std::to_string(length)
                                       : std::string("no device"));
        return length;
    }
    bool IsOpen() const override { return inner_->IsOpen(); }
    bool Read(std::span<uint8_t> report) override {
        const bool ok = inner_->Read(report);
        if (ok)
            log_.Bytes(kHidName, WireLog::Direction::Received, report);
        else
            log_.Note(kHidName, "report read failed");
        return ok;
    }
    bool Write(std::span<const uint8_t> report) override {
        const bool ok = inner_->Write(report);
        log_.Bytes(kHidName, WireLog::Direction::Sent, report);
        if (!ok) log_.Note(kHidName, "report write failed");
        return ok;
    }
    void Close() override {
        if (inner_->IsOpen()) log_.Note(kHidName, "close");
        inner_->Close();
    }
    void Cancel() override { inner_->Cancel(); }

  private:
    std::unique_ptr<HidDevice> inner_;
    WireLog& log_;
};

}  // namespace

class WireLogPlatform::Ports final : public SerialPortProvider {
  public:
    Ports(SerialPortProvider& inner, WireLog& log) : inner_(inner), log_(log) {}
    std::vector<std::string> ListPorts() override { return inner_.ListPorts(); }
    std::unique_ptr<ByteStream> Open(const std::string& port, const SerialSettings& settings,
                                     const StreamTimeouts& timeouts) override {
        auto line = inner_.Open(port, settings, timeouts);
        if (!line) {
            log_.Note(port, "cannot open");
            return nullptr;
        }
        log_.Note(port, "at " + std::to_string(settings.baudRate) + " Bd");
        return std::make_unique<WireLogStream>(std::move(line), log_);
    }

  private:
    SerialPortProvider& inner_;
    WireLog& log_;
};

WireLogPlatform::WireLogPlatform(LinkPlatform& inner, WireLog& log)
    : inner_(inner), log_(log), ports_(std::make_unique<Ports>(inner.SerialPorts(), log)) {}

WireLogPlatform::~WireLogPlatform() = default;

std::unique_ptr<HidDevice> WireLogPlatform::MakeHidDevice() {
    return std::make_unique<WireLogHidDevice>(inner_.MakeHidDevice(), log_);
}

SerialPortProvider& WireLogPlatform::SerialPorts() {
    return *ports_;
}

std::unique_ptr<ByteStream> WireLogPlatform::ConnectSocket(const LinkTarget& target, Pacer& pacer) {
    auto socket = inner_.ConnectSocket(target, pacer);
    if (!socket) {
        log_.Note(FormatLinkTarget(target), "cannot connect");
        return nullptr;
    }
    return std::make_unique<WireLogStream>(std::move(socket), log_);
}

}  // namespace vitalis
