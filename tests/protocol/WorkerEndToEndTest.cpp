#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "protocol/CommandRig.h"
#include "protocol/DeviceTask.h"
#include "protocol/DeviceWorker.h"
#include "support/StoredMacro.h"

namespace quillon {
namespace {

using test::CommandRig;

// Waits up to five seconds for `done`, moving the rig's clock along meanwhile: only waits
// move it, and the poll would otherwise never see 200 ms pass after a report it read at once.
bool Eventually(CommandRig& rig, const std::function<bool()>& done) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        rig.devices.clock.Advance(std::chrono::milliseconds(20));
    }
    return true;
}

bool Received(VirtualMouse& mouse, std::uint8_t command) {
    for (const VirtualRequest& request : mouse.Requests()) {
        if (request.Command() == command) {
            return true;
        }
    }
    return false;
}

// The worker on its own thread over the virtual mouse: the first load, the mouse's own
// buttons, and a report that asks for the stored stage, which queues a task that the worker
// then runs.
TEST(WorkerEndToEndTest, LoadsThenFollowsTheMouseAndAnswersItsRequests) {
    CommandRig rig;
    DeviceWorker worker(rig.queue, rig.host, rig.commands);
    rig.queue.Enqueue(DeviceTask::InitialLoad);
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(Eventually(rig, [&] { return rig.host.loaded.load(); }));
    EXPECT_EQ(rig.host.Firmware(), "1.0.4");
    EXPECT_EQ(rig.Values().Get("dpi_group0_value"), 400);  // the mouse's own table was read

    rig.Mouse().PressDpiButton();
    ASSERT_TRUE(Eventually(rig, [&] { return !rig.host.PostedMessages().empty(); }));
    EXPECT_EQ(rig.host.PostedMessages().front().message, MSG_DPI_CHANGED);
    EXPECT_EQ(rig.host.Stage(), (std::pair{2, 800}));

    rig.Mouse().ClearRequests();
    rig.Values().Set("dpi_index", 4);
    rig.Mouse().SendNotification(0x10, 0xFF, 0xFF);
    ASSERT_TRUE(Eventually(rig, [&] { return Received(rig.Mouse(), 0x22); }));
    EXPECT_EQ(rig.Mouse().CurrentStage(), 5);
    EXPECT_TRUE(worker.Stop());
}

// Six macros of 200 key events need 4864 bytes; the mouse holds 4224. Button 2 of profile 1
// runs the last one, so a button table sent without the new image would play another macro.
TEST(WorkerEndToEndTest, AnApplyWhoseMacrosDoNotFitSendsNothingAndSaysWhichAndByHowMuch) {
    CommandRig rig;
    int lastMacro = 0;
    for (int m = 1; m <= 6; ++m) {
        lastMacro = test::AddKeyMacro(rig.store, "macro " + std::to_string(m), 200);
    }
    KeyAssignment button;
    button.profile = 1;
    button.key_code = 2;
    button.macro_type = 23;
    button.macro_value = lastMacro;
    button.macro_desc = "macro 6";
    rig.store.SaveKeyAssignment(button);
    rig.Values().Set("dpi_index", 5);
    DeviceWorker worker(rig.queue, rig.host, rig.commands);
    const VirtualMouse::MacroImage image = rig.Mouse().MacroImageBytes();
    const int stage = rig.Mouse().CurrentStage();
    rig.Mouse().ClearRequests();

    rig.queue.Enqueue(DeviceTask::ApplyToDevice);
    ASSERT_TRUE(worker.RunStep());
    EXPECT_EQ(rig.Mouse().WriteCount(), 0) << "no macro image, button table or setting";
    EXPECT_EQ(rig.Mouse().MacroImageBytes(), image);
    EXPECT_EQ(rig.Mouse().CurrentStage(), stage);
    const std::vector<test::RecordingHost::Posted> refused = {
        {MSG_TASK_DONE, 0, kTaskDoneMacrosRefused}};
    EXPECT_EQ(rig.host.PostedMessages(), refused);
    const std::string problem = rig.commands.MacroProblem();
    EXPECT_NE(problem.find("4864 bytes, 640 more than the mouse's 4224"), std::string::npos)
        << problem;
    EXPECT_NE(problem.find("\"macro 6\" (id " + std::to_string(lastMacro) + ")"), std::string::npos)
        << problem;

    rig.store.DeleteMacroItems(lastMacro);
    rig.queue.Enqueue(DeviceTask::ApplyToDevice);
    ASSERT_TRUE(worker.RunStep());
    EXPECT_EQ(rig.host.PostedMessages().back().lParam, kTaskDoneApplied);
    EXPECT_EQ(rig.commands.MacroProblem(), "");
    EXPECT_EQ(rig.Mouse().MacroCommits(), 1);
    EXPECT_EQ(rig.Mouse().CurrentStage(), 6);
}

// The user presses the DPI button while an apply with a long macro image is under way: the
// channel reads the notification while it waits for a reply. The poll after the task reports
// it, and the mouse ends on the stage the user chose last, the one the database holds.
TEST(WorkerEndToEndTest, ADpiPressDuringALongApplyIsReportedAndKept) {
    CommandRig rig;
    test::AddKeyMacro(rig.store, "long", 200);
    rig.Values().Set("dpi_index", 0);
    rig.Values().Set("report_rate", 3);
    DeviceWorker worker(rig.queue, rig.host, rig.commands);
    rig.queue.Enqueue(DeviceTask::ApplyToDevice);
    rig.Mouse().PressDpiButton();  // pending before the apply's first reply
    ASSERT_TRUE(worker.RunStep());
    EXPECT_EQ(rig.Mouse().MacroCommits(), 1);
    EXPECT_EQ(rig.Mouse().CurrentStage(), 1) << "the apply sent the stored stage";

    rig.devices.clock.Advance(std::chrono::milliseconds(NotificationPoll::kMinGapMs));
    EXPECT_FALSE(worker.RunStep());  // the poll
    EXPECT_EQ(rig.host.Stage().first, 2);
    EXPECT_EQ(rig.host.PostedMessages().back().message, MSG_DPI_CHANGED);
    EXPECT_EQ(rig.Values().Get("dpi_index"), 1);
    EXPECT_EQ(rig.Values().Get("report_rate"), 3) << "the rate the apply sent stays";
    ASSERT_TRUE(worker.RunStep());  // the stage write the poll queued
    EXPECT_EQ(rig.Mouse().CurrentStage(), 2);
    EXPECT_EQ(rig.Mouse().ReportRate(), 3);
}

}  // namespace
}  // namespace quillon
