#include "protocol/DeviceWorker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "protocol/DeviceTask.h"

namespace quillon {
namespace {

using Events = std::vector<std::string>;

// Window side of the worker: flags it can set, and a log of every callback.
class LoggingHost : public WorkerHost {
  public:
    explicit LoggingHost(Events& log) : log_(log) {}

    std::atomic<bool> present = true;
    bool presentAfterRefresh = true;
    std::atomic<bool> loaded = false;

    bool IsPresent() const override { return present; }
    bool IsLoaded() const override { return loaded; }
    void SetLoaded(bool value) override {
        loaded = value;
        log_.push_back(value ? "SetLoaded" : "ClearLoaded");
    }
    int ActiveProfile() const override { return 1; }
    void RefreshDevices() override {
        present = presentAfterRefresh;
        log_.push_back("RefreshDevices");
    }
    void LoadProfileState() override { log_.push_back("LoadProfileState"); }
    void RefreshButtonPage() override { log_.push_back("RefreshButtonPage"); }
    void RefreshMacroList() override { log_.push_back("RefreshMacroList"); }
    void RefreshPerformancePage() override { log_.push_back("RefreshPerformancePage"); }
    void HideMacroEditing() override { log_.push_back("HideMacroEditing"); }
    void RestorePointerDefaults() override { log_.push_back("RestorePointerDefaults"); }
    void CloseWaitDialog() override { log_.push_back("CloseWaitDialog"); }
    void SetBattery(int, int) override {}
    void SetFirmwareText(const std::string&) override {}
    void ShowCurrentStage(int, int) override {}
    void ShowReportRate(int) override {}
    void SetLightMode(int) override {}
    void PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        log_.push_back("Post " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                       std::to_string(lParam));
    }

  private:
    Events& log_;
};

class LoggingOperations : public DeviceOperations {
  public:
    explicit LoggingOperations(Events& log) : log_(log) {}

    bool macrosFit = true;

    bool ReadDeviceSettings() override {
        log_.push_back("ReadDeviceSettings");
        return true;
    }
    void ReadBattery() override { log_.push_back("ReadBattery"); }
    void WritePerformanceBlock() override { log_.push_back("WritePerformanceBlock"); }
    void WriteCurrentDpi() override { log_.push_back("WriteCurrentDpi"); }
    void WriteReportRate() override { log_.push_back("WriteReportRate"); }
    void WriteLightMode() override { log_.push_back("WriteLightMode"); }
    void ResetLightMode() override { log_.push_back("ResetLightMode"); }
    void WriteButtons() override { log_.push_back("WriteButtons"); }
    bool WriteMacros() override {
        log_.push_back("WriteMacros");
        return macrosFit;
    }
    void ShowFirmwareVersions() override { log_.push_back("ShowFirmwareVersions"); }
    void QueryFirmwareVersion() override { log_.push_back("QueryFirmwareVersion"); }
    void FactoryResetProcedure() override { log_.push_back("FactoryResetProcedure"); }
    void PollNotifications(const GiveWay&) override { log_.push_back("PollNotifications"); }
    bool LockDevice(int) override { return true; }
    void UnlockDevice() override {}

  private:
    Events& log_;
};

// Logs its pauses instead of sleeping, so a test sees every wait the step makes.
class LoggingWorker : public DeviceWorker {
  public:
    LoggingWorker(TaskQueue& queue, WorkerHost& host, DeviceOperations& operations, Events& log)
        : DeviceWorker(queue, host, operations), log_(log) {}

    bool stopping = false;  // what a pause reports: cut short by Stop

  protected:
    bool Pause(int ms) override {
        log_.push_back("Pause " + std::to_string(ms));
        return !stopping;
    }

  private:
    Events& log_;
};

class DeviceWorkerTest : public ::testing::Test {
  protected:
    Events RunOne(int id) {
        log.clear();
        queue.Enqueue(id);
        EXPECT_TRUE(worker.RunStep());
        EXPECT_TRUE(queue.Empty());
        return log;
    }

    Events log;
    TaskQueue queue;
    LoggingHost host{log};
    LoggingOperations operations{log};
    LoggingWorker worker{queue, host, operations, log};
};

const Events kFirstRead = {"LoadProfileState",    "ReadDeviceSettings",     "RefreshButtonPage",
                           "RefreshMacroList",    "RefreshPerformancePage", "ShowFirmwareVersions",
                           "QueryFirmwareVersion"};

Events Join(std::initializer_list<Events> parts) {
    Events all;
    for (const Events& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST_F(DeviceWorkerTest, EachTaskRunsItsProcedureInOrder) {
    struct Case {
        DeviceTask task;
        Events expected;
    };
    const std::vector<Case> cases = {
        {DeviceTask::InitialLoad, Join({kFirstRead, {"SetLoaded"}})},
        {DeviceTask::SwitchProfile,
         {"LoadProfileState", "RefreshButtonPage", "RefreshMacroList", "RefreshPerformancePage",
          "CloseWaitDialog", "Pause 100"}},
        {DeviceTask::ApplyToDevice,
         {"WriteMacros", "WriteButtons", "WritePerformanceBlock", "WriteCurrentDpi",
          "WriteReportRate", "CloseWaitDialog", "Pause 100", "Post 1714 0 1"}},
        {DeviceTask::ReadFromDevice,
         {"ReadDeviceSettings", "RefreshButtonPage", "RefreshPerformancePage", "RefreshMacroList",
          "CloseWaitDialog", "Pause 100"}},
        {DeviceTask::WriteCurrentDpi, {"WriteCurrentDpi", "CloseWaitDialog", "Pause 100"}},
        {DeviceTask::RestoreDefaults,
         {"WriteButtons", "WritePerformanceBlock", "WriteCurrentDpi", "WriteReportRate",
          "RestorePointerDefaults", "ResetLightMode", "CloseWaitDialog", "Pause 100",
          "Post 1714 0 2"}},
        // The factory reset neither closes a wait dialog nor sleeps.
        {DeviceTask::FactoryReset,
         {"FactoryResetProcedure", "HideMacroEditing", "RestorePointerDefaults"}},
    };
    for (const Case& c : cases) {
        host.loaded = false;
        EXPECT_EQ(RunOne(static_cast<int>(c.task)), c.expected)
            << "task " << static_cast<int>(c.task);
    }
}

TEST_F(DeviceWorkerTest, AnApplyWhoseMacrosDoNotFitStopsBeforeTheButtonsAndSaysSo) {
    operations.macrosFit = false;
    EXPECT_EQ(RunOne(static_cast<int>(DeviceTask::ApplyToDevice)),
              (Events{"WriteMacros", "CloseWaitDialog", "Pause 100", "Post 1714 0 3"}));
}

TEST_F(DeviceWorkerTest, ArrivalWaitsRefreshesAndReadsThenLoadsOnce) {
    EXPECT_EQ(RunOne(static_cast<int>(DeviceTask::DeviceArrived)),
              Join({{"Pause 1000", "RefreshDevices"}, kFirstRead, kFirstRead, {"SetLoaded"}}));
    // Once loaded, an arrival reads the mouse once.
    EXPECT_EQ(RunOne(static_cast<int>(DeviceTask::DeviceArrived)),
              Join({{"Pause 1000", "RefreshDevices"}, kFirstRead}));
    // A worker told to stop during the wait reads nothing more.
    worker.stopping = true;
    EXPECT_EQ(RunOne(static_cast<int>(DeviceTask::DeviceArrived)), Events{"Pause 1000"});
}

TEST_F(DeviceWorkerTest, RemovalRefreshesAndRereadsWhateverIsLeft) {
    host.present = true;
    host.presentAfterRefresh = false;
    EXPECT_EQ(
        RunOne(static_cast<int>(DeviceTask::DeviceRemoved)),
        (Events{"RefreshDevices", "LoadProfileState", "ReadDeviceSettings", "RefreshButtonPage",
                "RefreshMacroList", "RefreshPerformancePage", "ShowFirmwareVersions"}));
}

TEST_F(DeviceWorkerTest, InitialLoadTwiceReadsOnce) {
    EXPECT_EQ(RunOne(static_cast<int>(DeviceTask::InitialLoad)), Join({kFirstRead, {"SetLoaded"}}));
    EXPECT_EQ(RunOne(static_cast<int>(DeviceTask::InitialLoad)), Events{});
    // A factory reset clears the flag, so the next load reads the mouse again.
    host.loaded = false;
    EXPECT_EQ(RunOne(static_cast<int>(DeviceTask::InitialLoad)), Join({kFirstRead, {"SetLoaded"}}));
}

TEST_F(DeviceWorkerTest, TasksFoundWithNothingPresentAreDroppedForGood) {
    host.present = false;
    for (DeviceTask task : {DeviceTask::InitialLoad, DeviceTask::ApplyToDevice,
                            DeviceTask::ReadFromDevice, DeviceTask::FactoryReset}) {
        EXPECT_EQ(RunOne(static_cast<int>(task)), Events{});
    }
    // A mouse arrives afterwards: the worker only polls, nothing queued earlier comes back.
    host.present = true;
    log.clear();
    EXPECT_FALSE(worker.RunStep());
    EXPECT_EQ(log, Events{"PollNotifications"});
    EXPECT_FALSE(host.loaded);
}

TEST_F(DeviceWorkerTest, UnknownIdsAreTakenOffAndIgnored) {
    for (int id : {0, 4, 8, 9, 11, 14, 17, -1, 1000}) {
        EXPECT_EQ(RunOne(id), Events{}) << "id " << id;
    }
}

TEST_F(DeviceWorkerTest, EmptyQueuePollsOnlyWhileAMouseIsPresent) {
    EXPECT_FALSE(worker.RunStep());
    EXPECT_EQ(log, Events{"PollNotifications"});
    log.clear();
    host.present = false;
    EXPECT_FALSE(worker.RunStep());
    EXPECT_EQ(log, Events{});
}

TEST_F(DeviceWorkerTest, TasksRunFirstInFirstOutOnePerStep) {
    queue.Enqueue(DeviceTask::WriteCurrentDpi);
    queue.Enqueue(DeviceTask::FactoryReset);
    EXPECT_TRUE(worker.RunStep());
    EXPECT_EQ(log.front(), "WriteCurrentDpi");
    EXPECT_EQ(queue.Size(), 1u);
    log.clear();
    EXPECT_TRUE(worker.RunStep());
    EXPECT_EQ(log.front(), "FactoryResetProcedure");
}

// A mouse that never speaks: a poll waits until the worker lets it give way (or ten seconds).
// Lets a test wait for the apply task to run.
class SilentMouseOperations : public LoggingOperations {
  public:
    using LoggingOperations::LoggingOperations;
    std::promise<void> applied;
    void WriteReportRate() override { applied.set_value(); }
    void PollNotifications(const GiveWay& giveWay) override {
        auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!giveWay() && std::chrono::steady_clock::now() < until) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
};

class DeviceWorkerThreadTest : public ::testing::Test {
  protected:
    bool AppliedWithin(std::chrono::seconds limit) {
        return operations.applied.get_future().wait_for(limit) == std::future_status::ready;
    }

    Events log;
    TaskQueue queue;
    LoggingHost host{log};
    SilentMouseOperations operations{log};
    DeviceWorker worker{queue, host, operations};
};

TEST_F(DeviceWorkerThreadTest, TaskQueuedDuringAnIdlePauseStartsWithoutWaitingOutTheInterval) {
    host.present = false;  // idle steps, no polls
    // An hour-long interval: only the wake on enqueue can start the task in time.
    ASSERT_TRUE(worker.Start(3600 * 1000));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    host.present = true;
    queue.Enqueue(DeviceTask::ApplyToDevice);
    EXPECT_TRUE(AppliedWithin(std::chrono::seconds(5)));
    EXPECT_TRUE(worker.Stop());
}

TEST_F(DeviceWorkerThreadTest, APollOnASilentMouseGivesWayToAQueuedTaskAndToStop) {
    ASSERT_TRUE(worker.Start());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // inside a poll by now
    queue.Enqueue(DeviceTask::ApplyToDevice);
    EXPECT_TRUE(AppliedWithin(std::chrono::seconds(5)));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // settled, polling again
    EXPECT_TRUE(worker.Stop());  // within its second, though the poll would wait ten
}

}  // namespace
}  // namespace quillon
