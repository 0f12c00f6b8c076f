#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "device/DeviceWatcher.h"

namespace quillon {
namespace {

TEST(DeviceWatcher, TakesAddAndRemoveActionsOnly) {
    EXPECT_EQ(DeviceWatcher::EventOfAction("add"), DeviceChangeEvent::Arrival);
    EXPECT_EQ(DeviceWatcher::EventOfAction("remove"), DeviceChangeEvent::Removal);
    for (const char* other : {"change", "bind", "unbind", "move", "online", ""}) {
        EXPECT_FALSE(DeviceWatcher::EventOfAction(other).has_value()) << other;
    }
}

// Real hot-plug events cannot be produced here; the watcher must start (or decline cleanly)
// and stop promptly either way, any number of times.
TEST(DeviceWatcher, StartsAndStopsCleanlyWhetherOrNotUdevIsThere) {
    DeviceWatcher watcher;
    watcher.Start([](DeviceChangeEvent, const std::string&) {});
    // A watcher thread left blocked in its wait for events would keep Stop from returning; the
    // bound is far above any real stop, only there to tell a hang from a return.
    auto stop = std::async(std::launch::async, [&watcher] {
        watcher.Stop();
        watcher.Stop();
    });
    ASSERT_EQ(stop.wait_for(std::chrono::seconds(5)), std::future_status::ready)
        << "Stop did not return";
    EXPECT_EQ(watcher.Start([](DeviceChangeEvent, const std::string&) {}),
              watcher.Start([](DeviceChangeEvent, const std::string&) {}));
}

}  // namespace
}  // namespace quillon
