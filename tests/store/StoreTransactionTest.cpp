#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "StoreFixture.h"

namespace quillon::test {
namespace {

using StoreTransactionTest = StoreFixture;

// Another thread never sees half of the writes grouped in one transaction, and sees all of
// them once it ends.
TEST_F(StoreTransactionTest, GroupedWritesAreSeenTogether) {
    const int profile = store.EnsureDefaultProfiles();
    std::string during;
    std::thread reader;
    store.InOneTransaction([&] {
        store.SetValue(profile, "dpi_index", "4");
        reader = std::thread([&] {
            std::string index;
            store.GetValue(profile, "dpi_index", index);
            store.GetValue(profile, "report_rate", during);
            during = index + "/" + during;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        store.SetValue(profile, "report_rate", "3");
    });
    reader.join();
    EXPECT_EQ(during, "4/3");
    std::string value;
    ASSERT_TRUE(store.GetValue(profile, "report_rate", value));
    EXPECT_EQ(value, "3");
}

}  // namespace
}  // namespace quillon::test
