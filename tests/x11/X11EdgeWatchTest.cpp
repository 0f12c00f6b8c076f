#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "platform/x11/X11EdgeWatch.h"
#include "support/QtInput.h"
#include "x11/XTestInput.h"

namespace quillon {
namespace {

TEST(X11EdgeWatch, TellsOnlyWhenThePointerReachesOrLeavesAnEdge) {
    if (!X11InputAvailable()) {
        GTEST_SKIP() << "no X server with XInput 2 and XTest";
    }
    test::XTestInput input;
    input.MoveTo(700, 400);
    std::mutex mutex;
    std::vector<int> sent;
    X11EdgeWatch watch;
    ASSERT_TRUE(watch.Start([&](int side) {
        std::lock_guard lock(mutex);
        sent.push_back(side);
    }));
    auto sentNow = [&] {
        std::lock_guard lock(mutex);
        return sent;
    };
    auto moveAndWait = [&](int x, std::vector<int> expected) {
        input.MoveTo(x + 1, 400);
        input.MoveTo(x, 400);
        EXPECT_TRUE(test::WaitUntil([&] { return sentNow() == expected; }, 2000)) << x;
    };
    moveAndWait(650, {});
    moveAndWait(5, {1});
    moveAndWait(2, {1});
    moveAndWait(9, {1});
    moveAndWait(500, {1, 0});
    moveAndWait(1395, {1, 0, 2});
    moveAndWait(1392, {1, 0, 2});
    moveAndWait(5, {1, 0, 2, 1});
    test::WaitUntil([] { return false; }, 200);
    EXPECT_EQ(sentNow(), (std::vector<int>{1, 0, 2, 1}));
    watch.Stop();
}

}  // namespace
}  // namespace quillon
