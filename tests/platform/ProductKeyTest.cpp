#include <gtest/gtest.h>

#include "platform/ProductKey.h"
#include "platform/Registry.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

TEST(ProductKey, NumbersAreDecimalTextInTheConfigFolder) {
    test::IsolatedHome home;
    EXPECT_EQ(ProductKeyFile(), home.root().file("config/Quillon Mouse/registry.ini"));
    EXPECT_EQ(ReadDeviceType(), 0);
    EXPECT_FALSE(WriteDeviceType(101)) << "the key does not exist yet";

    ASSERT_TRUE(RegistryKey(ProductKeyFile()).Create());
    EXPECT_TRUE(WriteDeviceType(101));
    EXPECT_TRUE(WriteLanguageId(-2052));
    EXPECT_EQ(ReadDeviceType(), 101);
    EXPECT_EQ(ReadLanguageId(), -2052);
    EXPECT_EQ(home.root().read("config/Quillon Mouse/registry.ini"),
              "DeviceType=101\nLCID=-2052\n");

    home.root().write("config/Quillon Mouse/registry.ini", "LCID=12abc\nDeviceType=x\n");
    EXPECT_EQ(ReadLanguageId(), 12);
    EXPECT_EQ(ReadDeviceType(), 0);
}

}  // namespace
}  // namespace quillon
