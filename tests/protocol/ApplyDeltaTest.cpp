// The worker's apply against the virtual mouse: after a full apply only what changed goes out,
// and whatever may have changed the mouse behind the worker's back makes it send everything.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "device/DeviceLock.h"
#include "protocol/CommandRig.h"
#include "protocol/DeviceTask.h"
#include "protocol/DeviceWorker.h"
#include "support/StoredMacro.h"

namespace quillon {
namespace {

using test::CommandRig;

// The worker over the rig, run step by step on the test's thread.
struct WorkerRig : CommandRig {
    DeviceWorker worker{queue, host, commands};

    // Runs one task; the commands the mouse received.
    std::vector<VirtualRequest> Run(DeviceTask task) {
        Mouse().ClearRequests();
        queue.Enqueue(task);
        EXPECT_TRUE(worker.RunStep());
        return Mouse().Requests();
    }
    std::vector<VirtualRequest> Apply() { return Run(DeviceTask::ApplyToDevice); }
};

int CountOf(const std::vector<VirtualRequest>& requests, std::uint8_t command) {
    int count = 0;
    for (const VirtualRequest& request : requests) {
        count += request.Command() == command ? 1 : 0;
    }
    return count;
}

constexpr std::uint8_t kButtonTableWrite = 0x09;
constexpr std::uint8_t kMacroCommit = 0x10;

class ApplyDeltaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        macro = test::AddKeyMacro(rig.store, "jump", 6);
        test::AddKeyMacro(rig.store, "run", 4);
        SetButton(1, 4, kMacroFunctionType, macro);
        SetButton(3, 2, 1, 3);
        ASSERT_EQ(CountOf(rig.Apply(), kButtonTableWrite), 5);
    }

    void SetButton(int profile, int keyCode, int type, int value) {
        KeyAssignment key;
        key.profile = profile;
        key.key_code = keyCode;
        key.macro_type = type;
        key.macro_value = value;
        key.macro_desc = "set here";
        ASSERT_GT(rig.store.SaveKeyAssignment(key), 0);
    }

    // Applies to the rig's mouse what the database holds; what a full apply would have left on
    // that mouse is kept in `expected`.
    std::vector<VirtualRequest> ApplyBesideAFullOne() {
        WorkerRig reference;
        reference.Mouse().SetState(rig.Mouse().State());
        reference.store.OpenSettingsDatabase(rig.dir.path(), "TestMouse");
        reference.host.profile = rig.host.profile.load();
        EXPECT_EQ(CountOf(reference.Apply(), kButtonTableWrite), 5);
        expected = reference.Mouse().State();
        return rig.Apply();
    }

    WorkerRig rig;
    int macro = 0;
    VirtualFirmwareState expected;
};

TEST_F(ApplyDeltaTest, OneButtonChangeSendsItsTableAloneBesideTheBlockAndStage) {
    SetButton(2, 5, 1, 4);
    const std::vector<VirtualRequest> sent = ApplyBesideAFullOne();
    EXPECT_LE(sent.size(), 3u);
    EXPECT_EQ(CountOf(sent, kButtonTableWrite), 1);
    EXPECT_EQ(CountOf(sent, kMacroCommit), 0);
    EXPECT_EQ(rig.Mouse().State(), expected);
}

TEST_F(ApplyDeltaTest, AChangedMacroSendsTheImageAndTheMouseMatchesAFullApply) {
    std::vector<MacroItem> items;
    MacroItem pause;
    pause.macro_id = macro;
    pause.type = kItemPause;
    pause.value = 40;
    pause.record_index = 6;
    items.push_back(pause);
    ASSERT_TRUE(rig.store.InsertMacroItems(items));
    const std::vector<VirtualRequest> sent = ApplyBesideAFullOne();
    EXPECT_EQ(CountOf(sent, kMacroCommit), 1);
    // The second macro moved in the image, but no table names it by place: tables stay.
    EXPECT_EQ(CountOf(sent, kButtonTableWrite), 0);
    EXPECT_EQ(rig.Mouse().State(), expected);

    // A deleted macro moves the indexes the tables carry: the table that names it goes too.
    ASSERT_TRUE(rig.store.RemoveMacro(macro));
    const std::vector<VirtualRequest> after = ApplyBesideAFullOne();
    EXPECT_EQ(CountOf(after, kMacroCommit), 1);
    EXPECT_EQ(CountOf(after, kButtonTableWrite), 1);
    EXPECT_EQ(rig.Mouse().State(), expected);
}

// A real second process that takes the mouse's lock and lets it go.
void AnotherProcessHoldsTheMouse(const std::string& key) {
    const pid_t child = ::fork();
    if (child == 0) {
        DeviceLock lock(key);
        ::_exit(lock.Acquire(std::chrono::seconds(2)) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(ApplyDeltaTest, WhateverMayHaveChangedTheMouseMakesTheNextApplyWhole) {
    struct Case {
        const char* what;
        std::function<void(WorkerRig&)> happen;
    };
    const std::vector<Case> cases = {
        {"arrival", [](WorkerRig& r) { r.Run(DeviceTask::DeviceArrived); }},
        {"read", [](WorkerRig& r) { r.Run(DeviceTask::ReadFromDevice); }},
        {"restore defaults", [](WorkerRig& r) { r.Run(DeviceTask::RestoreDefaults); }},
        {"factory reset", [](WorkerRig& r) { r.Run(DeviceTask::FactoryReset); }},
        {"re-enumeration", [](WorkerRig& r) { r.devices.Refresh(); }},
        {"an unanswered command",
         [](WorkerRig& r) {
             r.Values().Set("report_rate", 1);
             r.Mouse().DropReplies(1000);
             r.Apply();
             r.Mouse().DropReplies(0);
         }},
        {"a change made on the mouse",
         [](WorkerRig& r) {
             r.Mouse().PressDpiButton();
             r.devices.clock.Advance(std::chrono::seconds(1));
             r.Poll();
         }},
        {"another process holding the mouse",
         [](WorkerRig& r) {
             const std::string state = r.dir.file("mouse.state");
             r.devices.backend.SetStateFile(state);
             r.Apply();  // held and let go by this process first
             AnotherProcessHoldsTheMouse(
                 VirtualMouseBackend::LockKeyOf(state, r.Mouse().CommandPath(0)));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WorkerRig r;
        test::AddKeyMacro(r.store, "jump", 6);
        r.Apply();
        ASSERT_LE(r.Apply().size(), 3u);  // the mirror holds everything now
        c.happen(r);
        const std::vector<VirtualRequest> sent = r.Apply();
        EXPECT_EQ(CountOf(sent, kButtonTableWrite), 5);
        EXPECT_EQ(CountOf(sent, kMacroCommit), 1);
    }
}

}  // namespace
}  // namespace quillon
