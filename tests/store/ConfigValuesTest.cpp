#include <gtest/gtest.h>

#include "SqlHelpers.h"
#include "StoreFixture.h"

namespace quillon::test {
namespace {

class ConfigValuesTest : public StoreFixture {
  protected:
    void SetUp() override {
        StoreFixture::SetUp();
        ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    }
};

TEST_F(ConfigValuesTest, ValuesArePerProfileText) {
    ASSERT_TRUE(store.SetValue(2, "dpi_group1_value", "1800"));
    std::string value;
    EXPECT_TRUE(store.GetValue(2, "dpi_group1_value", value));
    EXPECT_EQ(value, "1800");
    EXPECT_TRUE(store.GetValue(1, "dpi_group1_value", value));
    EXPECT_EQ(value, "1200");
    // Any text is kept as it is, including an empty one and UTF-8.
    for (std::string text : {"", "not a number", "\xE2\x82\xAC 5"}) {
        ASSERT_TRUE(store.SetValue(2, "dpi_index", text));
        EXPECT_TRUE(store.GetValue(2, "dpi_index", value));
        EXPECT_EQ(value, text);
    }
}

TEST_F(ConfigValuesTest, KeysWithoutARowAreNeverCreated) {
    std::string value = "stale";
    EXPECT_FALSE(store.GetValue(1, "no_such_key", value));
    EXPECT_EQ(value, "");
    // The update matches nothing, which still counts as success.
    EXPECT_TRUE(store.SetValue(1, "no_such_key", "9"));
    EXPECT_FALSE(store.GetValue(1, "no_such_key", value));
    EXPECT_FALSE(store.GetValue(9, "dpi_index", value)) << "profile 9 does not exist";
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT count(*) FROM t_configdata"),
              std::vector<std::string>{"135"});
}

TEST_F(ConfigValuesTest, KeysAndValuesAreBoundNotSpliced) {
    std::string hostile = "x' OR '1'='1";
    ASSERT_TRUE(store.SetValue(1, "dpi_index", hostile));
    std::string value;
    EXPECT_TRUE(store.GetValue(1, "dpi_index", value));
    EXPECT_EQ(value, hostile);
    EXPECT_FALSE(store.GetValue(1, hostile, value));
    EXPECT_TRUE(store.GetValue(2, "dpi_index", value));
    EXPECT_EQ(value, "2");
}

}  // namespace
}  // namespace quillon::test
