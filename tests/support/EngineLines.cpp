#include "support/EngineLines.h"

namespace vitalis::sim {

std::unique_ptr<ScriptedStream> EngineStream(std::shared_ptr<MonitorEngine> engine,
                                             std::string name) {
    engine->Reset();
    auto line = std::make_unique<ScriptedStream>(std::move(name));
    line->SetResponder([engine](std::span<const uint8_t> written) {
        ScriptedStream::Bytes out;
        for (const Message& message : engine->Receive(written))
            out.insert(out.end(), message.begin(), message.end());
        return out;
    });
    return line;
}

std::shared_ptr<HidScript> EngineHidScript(std::shared_ptr<MonitorEngine> engine,
                                           int reportLength) {
    auto script = std::make_shared<HidScript>();
    script->reportLength = reportLength;
    script->responder = [engine](std::span<const uint8_t> payload) {
        return engine->Receive(payload);
    };
    return script;
}

}  // namespace vitalis::sim
