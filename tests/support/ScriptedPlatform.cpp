#include "support/ScriptedPlatform.h"

namespace vitalis {
namespace {

// A borrowed view of a scripted line: the line itself stays with the port list.
class BorrowedLine final : public ByteStream {
  public:
    explicit BorrowedLine(ScriptedStream& line) : line_(line) {}
    bool IsOpen() const override { return line_.IsOpen(); }
    StreamResult Read(std::span<uint8_t> buffer) override { return line_.Read(buffer); }
    StreamResult Write(std::span<const uint8_t> data) override { return line_.Write(data); }
    void Close() override { line_.Close(); }
    void Cancel() override { line_.Cancel(); }
    void SetTimeouts(const StreamTimeouts& timeouts) override { line_.SetTimeouts(timeouts); }
    StreamTimeouts Timeouts() const override { return line_.Timeouts(); }
    std::string_view Name() const override { return line_.Name(); }

  private:
    ScriptedStream& line_;
};

}  // namespace

void ScriptedSerialPorts::AddPort(const std::string& name, LineMaker maker) {
    order_.push_back(name);
    makers_[name] = std::move(maker);
}

void ScriptedSerialPorts::AddBusyPort(const std::string& name) {
    order_.push_back(name);
    makers_[name] = nullptr;
}

std::vector<std::string> ScriptedSerialPorts::ListPorts() {
    return order_;
}

std::unique_ptr<ByteStream> ScriptedSerialPorts::Open(const std::string& port,
                                                      const SerialSettings& settings,
                                                      const StreamTimeouts& timeouts) {
    const auto it = makers_.find(port);
    if (it == makers_.end() || !it->second) return nullptr;
    opens_.emplace_back(port, settings.baudRate);
    auto line = it->second(settings.baudRate);
    if (!line) return nullptr;
    line->SetTimeouts(timeouts);
    lines_.push_back(line.get());
    keep_.push_back(std::move(line));
    return std::make_unique<BorrowedLine>(*lines_.back());
}

ScriptedPlatform::ScriptedPlatform() : hid(std::make_shared<HidScript>()) {
    hid->reportLength = 0;
}

std::unique_ptr<HidDevice> ScriptedPlatform::MakeHidDevice() {
    ++hidDevicesMade;
    return std::make_unique<ScriptedHidDevice>(hid);
}

std::unique_ptr<ByteStream> ScriptedPlatform::ConnectSocket(const LinkTarget& target, Pacer&) {
    ++socketConnects;
    return socketMaker ? socketMaker(target) : nullptr;
}

}  // namespace vitalis
