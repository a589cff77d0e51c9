#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "DeviceTestSupport.h"
#include "device/session/PolicySessionUi.h"
#include "device/session/SessionWorker.h"
#include "sim/SimRecording.h"
#include "support/CaseFixtures.h"
#include "support/EngineLines.h"
#include "support/ScriptedPlatform.h"
#include "support/TempFolder.h"

namespace vitalis::test {

// Pauses without waiting, like InstantPacer, and presses Cancel at the given pause.
class CancellingPacer final : public Pacer {
  public:
    explicit CancellingPacer(int cancelAtPause) : cancelAt_(cancelAtPause) {}
    bool Pause(std::chrono::milliseconds duration) override {
        paused += duration;
        if (++pauses == cancelAt_) Cancel();
        return !IsCancelled();
    }
    std::chrono::milliseconds paused{0};
    int pauses = 0;

  private:
    int cancelAt_;
};

// Readings every `interval` minutes from `first`, all good, ready for a simulated monitor.
inline sim::SimRecording SmallRecording(const ClockTime& first, int count, int interval = 30) {
    sim::SimRecording r;
    r.patientName = "Ada Test";
    r.patientId = "ID-42";
    r.programmedAt = AddMinutes(first, -5);
    r.start = first;
    for (int i = 0; i < count; ++i) {
        Measurement m;
        m.index = i;
        m.SetClock(AddMinutes(first, static_cast<int64_t>(i) * interval));
        m.offsetMinutes = i * interval;
        m.sys = 120 + i % 7;
        m.dia = 80 - i % 5;
        m.map = 93;
        m.pr = 70 + i % 3;
        m.status = i % 6 == 5 ? 3 : 0;
        m.valid = 1;
        r.readings.push_back(m);
    }
    return r;
}

// A session against a scripted machine: every wait is counted, not waited.
struct SessionFixture {
    ScriptedPlatform platform;
    KeyTexts texts;
    SessionProgress progress;
    std::unique_ptr<PolicySessionUi> ui = std::make_unique<PolicySessionUi>(0);
    TempFolder folder;
    LocalTime now{{2026, 4, 2, 9, 41}, 17};

    SessionResult RunSession(SessionKind kind, const std::string& link,
                             std::unique_ptr<Pacer> pacer = std::make_unique<InstantPacer>(),
                             const UploadSettings& upload = {}) {
        SessionServices services{platform, *ui, texts, progress};
        services.clock = [this] { return now; };
        pacer_ = pacer.get();
        SessionWorker worker(services, std::move(pacer));
        progress.RaiseStartFlag();
        SessionRequest request{kind, *ParseLinkTarget(link), folder.path(), upload};
        SessionResult result = worker.Run(request);
        paused = Paused();
        return result;
    }

    std::vector<std::string> MessageKeys() const {
        std::vector<std::string> keys;
        for (const UiMessage& m : ui->Seen()) keys.push_back(m.key);
        return keys;
    }
    std::string LastDetail() const {
        const auto seen = ui->Seen();
        return seen.empty() ? std::string() : seen.back().detail;
    }
    // Every file below the case folder.
    std::vector<std::string> Files() const {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path()))
            if (entry.is_regular_file()) files.push_back(entry.path().string());
        return files;
    }

    std::chrono::milliseconds paused{0};

  private:
    std::chrono::milliseconds Paused() const {
        if (auto* p = dynamic_cast<InstantPacer*>(pacer_)) return p->paused;
        if (auto* p = dynamic_cast<CancellingPacer*>(pacer_)) return p->paused;
        return {};
    }
    Pacer* pacer_ = nullptr;
};

}  // namespace vitalis::test
