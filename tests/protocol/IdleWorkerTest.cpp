// The device worker at rest in real time: what it costs while nothing happens, and that it
// still starts a task, and stops, at once.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "device/DeviceManager.h"
#include "device/DeviceRefresh.h"
#include "emulator/VirtualMouse.h"
#include "emulator/VirtualMouseBackend.h"
#include "protocol/CommandSet.h"
#include "protocol/DeviceWorker.h"
#include "protocol/RecordingHost.h"
#include "store/SettingsStore.h"
#include "support/RecordingTyper.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The virtual mouse's devices, counting every read the worker makes.
class CountingBackend : public HidBackend {
  public:
    explicit CountingBackend(HidBackend& inner) : inner_(inner) {}
    std::atomic<int> reads{0};

    std::vector<HidInterfaceInfo> Enumerate() override { return inner_.Enumerate(); }
    std::unique_ptr<HidDevice> Open(const std::string& path, HidOpenError* error) override {
        std::unique_ptr<HidDevice> device = inner_.Open(path, error);
        return device ? std::make_unique<Counted>(std::move(device), reads) : nullptr;
    }
    std::unique_ptr<DeviceChangeSource> CreateChangeSource() override {
        return inner_.CreateChangeSource();
    }

  private:
    class Counted : public HidDevice {
      public:
        Counted(std::unique_ptr<HidDevice> inner, std::atomic<int>& reads)
            : inner_(std::move(inner)), reads_(reads) {}
        int Write(const std::uint8_t* data, std::size_t length) override {
            return inner_->Write(data, length);
        }
        int Read(std::uint8_t* data, std::size_t length, int timeoutMs) override {
            ++reads_;
            return inner_->Read(data, length, timeoutMs);
        }
        int SendFeatureReport(const std::uint8_t* data, std::size_t length) override {
            return inner_->SendFeatureReport(data, length);
        }
        int GetFeatureReport(std::uint8_t* data, std::size_t length) override {
            return inner_->GetFeatureReport(data, length);
        }
        std::string ManufacturerString() override { return inner_->ManufacturerString(); }
        std::string ProductString() override { return inner_->ProductString(); }
        std::string ErrorText() override { return inner_->ErrorText(); }
        bool Interruptible() const override { return inner_->Interruptible(); }
        void InterruptRead() override { inner_->InterruptRead(); }

      private:
        std::unique_ptr<HidDevice> inner_;
        std::atomic<int>& reads_;
    };
    HidBackend& inner_;
};

// Counts the worker's steps.
class CountingWorker : public DeviceWorker {
  public:
    using DeviceWorker::DeviceWorker;
    std::atomic<int> steps{0};

  protected:
    bool Step() override {
        ++steps;
        return DeviceWorker::Step();
    }
};

// A silent virtual mouse (or none) in real time, a real database and the worker over them.
struct RealTimeRig {
    explicit RealTimeRig(bool attached) {
        if (attached) {
            mouse.Connect({});
        }
        manager.SetDeviceType(DeviceCatalogue::kServedDeviceType);
        store.OpenForDevice(dir.path(), "TestMouse");
        host.profile = store.EnsureDefaultProfiles();
        host.present = RefreshDevices(manager, mouse.CatalogueModes(), observer).present;
    }
    ~RealTimeRig() { worker.Stop(); }

    // Time from queueing a task until the mouse receives its first write.
    Clock::duration FirstWriteAfterEnqueue(DeviceTask task) {
        int before = mouse.WriteCount();
        Clock::time_point queued = Clock::now();
        queue.Enqueue(task);
        while (mouse.WriteCount() == before && Clock::now() - queued < 5s) {
            std::this_thread::sleep_for(1ms);
        }
        return Clock::now() - queued;
    }

    test::TempDir dir;
    VirtualMouse mouse;
    VirtualMouseBackend virtualBackend{mouse};
    CountingBackend backend{virtualBackend};
    DeviceManager manager{backend};
    DeviceStateObserver observer;
    SettingsStore store;
    test::RecordingHost host;
    TaskQueue queue;
    test::RecordingTyper typer;
    CommandSet commands{manager, store, host, queue, typer};
    CountingWorker worker{queue, host, commands};
};

TEST(IdleWorker, OnASilentMouseItWaitsWholeSecondsYetTakesATaskAndAStopAtOnce) {
    RealTimeRig rig(true);
    ASSERT_TRUE(rig.worker.Start());
    std::this_thread::sleep_for(1500ms);
    // One read per second of silence, not one per slice of a few milliseconds.
    EXPECT_LE(rig.backend.reads.load(), 4);
    // The read waiting on the mouse gives way at once.
    EXPECT_LT(rig.FirstWriteAfterEnqueue(DeviceTask::WriteCurrentDpi), 150ms);
    std::this_thread::sleep_for(300ms);  // settled, waiting on the mouse again
    Clock::time_point stopping = Clock::now();
    EXPECT_TRUE(rig.worker.Stop());
    EXPECT_LT(Clock::now() - stopping, 300ms);
}

TEST(IdleWorker, WithNothingAttachedItSleepsUntilATaskComes) {
    RealTimeRig rig(false);
    ASSERT_FALSE(rig.host.present);
    ASSERT_TRUE(rig.worker.Start());
    std::this_thread::sleep_for(300ms);
    EXPECT_LE(rig.worker.steps.load(), 1);  // not one step per 30 ms interval
    rig.queue.Enqueue(DeviceTask::InitialLoad);
    Clock::time_point queued = Clock::now();
    // Taken off the queue at once, not at the end of a long sleep.
    while ((rig.worker.steps.load() < 2 || !rig.queue.Empty()) && Clock::now() - queued < 2s) {
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_LT(Clock::now() - queued, 100ms);
    EXPECT_TRUE(rig.queue.Empty());
}

}  // namespace
}  // namespace quillon
