#include <gtest/gtest.h>

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
    watcher.Stop();
    watcher.Stop();
    EXPECT_EQ(watcher.Start([](DeviceChangeEvent, const std::string&) {}),
              watcher.Start([](DeviceChangeEvent, const std::string&) {}));
}

}  // namespace
}  // namespace quillon
