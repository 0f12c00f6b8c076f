#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "protocol/CommandRig.h"
#include "protocol/DeviceTask.h"
#include "protocol/DeviceWorker.h"

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

}  // namespace
}  // namespace quillon
