#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "SessionTestSupport.h"
#include "device/link/MonitorFrames.h"
#include "sim/HidGenerationEngine.h"

namespace vitalis {
namespace {

TEST(SessionProgress, ProgressStepsStopAtTheirLimit) {
    SessionProgress progress;
    progress.SetProgress(70);
    progress.AdvanceBelow(80, 5);
    progress.AdvanceBelow(80, 5);
    progress.AdvanceBelow(80, 5);
    EXPECT_EQ(progress.Progress(), 80);
    progress.SetProgress(250);
    EXPECT_EQ(progress.Progress(), 100);
}

TEST(SessionProgress, TheProgressMovesWithTheReadings) {
    SessionProgress progress;
    progress.SetProgress(20);
    progress.SetReadings(5, 0, 20, 80);  // nothing announced yet: counted, the bar stays
    EXPECT_EQ(progress.Progress(), 20);
    EXPECT_EQ(progress.Snapshot().readingsReceived, 5);
    progress.SetReadings(47, 138, 20, 80);
    EXPECT_EQ(progress.Progress(), 40);  // 20 + 60 * 47 / 138
    EXPECT_EQ(progress.Snapshot().readingsAnnounced, 138);
    progress.SetReadings(150, 138, 20, 80);  // more than announced never passes the end
    EXPECT_EQ(progress.Progress(), 80);
    progress.SetReadings(69, 138);
    EXPECT_EQ(progress.Progress(), 50);
}

TEST(SessionProgress, TheWorkerWaitsForTheStartFlagAndLowersIt) {
    SessionProgress progress;
    Pacer pacer;
    std::thread dialog([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        progress.RaiseStartFlag();
    });
    EXPECT_TRUE(progress.AwaitStart(pacer));
    EXPECT_FALSE(progress.StartFlag());
    dialog.join();
}

// A cancel must end any wait promptly, however long the wait it interrupts.
constexpr auto kCancelBound = std::chrono::milliseconds(200);

template <typename Action>
std::chrono::milliseconds TimeOf(Action action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

TEST(Pacer, CancelFromAnotherThreadEndsALongPauseAtOnce) {
    Pacer pacer;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        pacer.Cancel();
    });
    bool completed = true;
    const auto took = TimeOf([&] { completed = pacer.Pause(std::chrono::seconds(10)); });
    canceller.join();
    EXPECT_FALSE(completed);
    EXPECT_LT(took, kCancelBound + std::chrono::milliseconds(20));
    // Once cancelled, every later pause ends at once too.
    EXPECT_LT(TimeOf([&] { EXPECT_FALSE(pacer.Pause(std::chrono::seconds(10))); }), kCancelBound);
}

TEST(SessionProgress, CancelEndsTheWaitForTheStartFlag) {
    SessionProgress progress;
    Pacer pacer;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        pacer.Cancel();
    });
    bool started = true;
    const auto took = TimeOf([&] { started = progress.AwaitStart(pacer); });
    canceller.join();
    EXPECT_FALSE(started);
    EXPECT_LT(took, kCancelBound + std::chrono::milliseconds(20));
}

struct SessionWorkerTest : ::testing::Test, test::SessionFixture {
    SessionServices Services() { return {platform, *ui, texts, progress}; }
    SessionRequest Request(SessionKind kind, const std::string& link) {
        return {kind, *ParseLinkTarget(link), folder.path(), {}};
    }
    void WaitForState(SessionState wanted) {
        for (int i = 0; i < 2000 && progress.State() != wanted; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
};

TEST_F(SessionWorkerTest, ADownloadRunsOnItsOwnThreadOnceTheDialogIsReady) {
    platform.hid = sim::EngineHidScript(std::make_shared<sim::HidGenerationEngine>(
        test::SmallRecording({2026, 2, 27, 8, 5}, 3), sim::HidSimOptions{}));
    SessionWorker worker(Services());
    ASSERT_TRUE(worker.Start(Request(SessionKind::Download, "usb")));
    EXPECT_FALSE(worker.Start(Request(SessionKind::Download, "usb")));
    EXPECT_EQ(progress.State(), SessionState::Idle);  // still waiting for the dialog
    progress.RaiseStartFlag();
    worker.Join();
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(progress.Snapshot().state, SessionState::Saved);
    EXPECT_EQ(progress.Snapshot().progress, 100);
    EXPECT_EQ(worker.Result().savedPaths.size(), 1u);
}

TEST_F(SessionWorkerTest, CancelBeforeTheDialogIsReadyEndsAtOnce) {
    SessionWorker worker(Services());
    worker.Start(Request(SessionKind::Download, "usb"));
    EXPECT_LT(TimeOf([&] {
                  worker.Cancel();
                  worker.Join();
              }),
              kCancelBound);
    EXPECT_TRUE(worker.Result().cancelled);
    EXPECT_EQ(progress.State(), SessionState::Ended);
    EXPECT_EQ(platform.hidDevicesMade, 0);
}

TEST_F(SessionWorkerTest, CancelEndsAWaitForAnAcknowledgementAndClosesTheLine) {
    platform.serial.AddPort("ttyUSB0", [](uint32_t rate) {
        auto line = std::make_unique<ScriptedStream>();
        if (rate == 115200) {
            const auto frame = HeronSerialOpenFrame();
            std::vector<uint8_t> open(frame.begin(), frame.end());
            std::vector<uint8_t> reply{kHeronVariantA};
            reply.insert(reply.end(), kSignature.begin(), kSignature.end());
            line->Expect(open, reply);
        } else {
            line->Expect({kHeronUploadOpen}, {kHeronUploadAck});  // then never a byte more
        }
        return line;
    });
    SessionWorker worker(Services());
    SessionRequest request = Request(SessionKind::Upload, "serial:ttyUSB0");
    request.upload.patient.name = "Ada";
    worker.Start(request);
    progress.RaiseStartFlag();
    // The first byte waits two seconds between reads, twenty in all, unless cancelled.
    for (int i = 0; i < 2000 && progress.Snapshot().statusText != "Global Setting:IDS_UPLOADING";
         ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    // The worker is inside a two-second pause now: only a cancel that reaches it ends it early.
    EXPECT_LT(TimeOf([&] {
                  worker.Cancel();
                  worker.Join();
              }),
              kCancelBound);
    EXPECT_TRUE(worker.Result().cancelled);
    EXPECT_FALSE(worker.Result().acknowledged);
    EXPECT_TRUE(MessageKeys().empty()) << MessageKeys().front();
    EXPECT_TRUE(platform.serial.Lines().back()->WasClosed());
    EXPECT_EQ(progress.Snapshot().statusText, "ZuzodIriz:IDS_SESSION_CANCELLED");
}

}  // namespace
}  // namespace vitalis
