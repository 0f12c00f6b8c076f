#include <gtest/gtest.h>

#include "SqlHelpers.h"
#include "StoreFixture.h"

namespace quillon::test {
namespace {

using ProfilesTest = StoreFixture;

TEST_F(ProfilesTest, FirstFillCreatesTheFiveDefaultsWithProfileOneActive) {
    std::vector<ProfileRecord> profiles(2);  // stale contents are dropped
    EXPECT_EQ(store.LoadProfiles(profiles), 0);
    EXPECT_TRUE(profiles.empty());

    EXPECT_EQ(store.EnsureDefaultProfiles(), 1);
    ASSERT_EQ(store.LoadProfiles(profiles), 5);
    const char* names[] = {"800", "801", "811", "821", "831"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(profiles[i].profile, i + 1);
        EXPECT_EQ(profiles[i].name, names[i]);
        EXPECT_EQ(profiles[i].app, "");
        EXPECT_EQ(profiles[i].type, 0);
        EXPECT_EQ(profiles[i].status, i == 0 ? 1 : 0);
    }
    // A second fill finds them and creates nothing.
    EXPECT_EQ(store.EnsureDefaultProfiles(), 1);
    EXPECT_EQ(store.LoadProfiles(profiles), 5);
}

TEST_F(ProfilesTest, ExactlyOneProfileIsActiveAfterSwitching) {
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    EXPECT_TRUE(store.SetActiveProfile(4));
    EXPECT_EQ(store.ActiveProfile(), 4);
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT profile FROM t_profile_data WHERE status = 1"),
              std::vector<std::string>{"4"});
    EXPECT_EQ(store.EnsureDefaultProfiles(), 4) << "the active profile persists";
}

TEST_F(ProfilesTest, ActiveProfileRepairs) {
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    struct Case {
        const char* edit;
        int expected;
    };
    const Case cases[] = {
        // Two active rows (a file edited by hand): the first row wins, switching repairs it.
        {"UPDATE t_profile_data SET status = 1 WHERE profile IN (2, 5)", 2},
        // None active: profile 1 becomes active.
        {"UPDATE t_profile_data SET status = 0", 1},
        // None active and no profile 1: nothing can be made active.
        {"UPDATE t_profile_data SET status = 0; DELETE FROM t_profile_data WHERE profile = 1", 0},
    };
    for (const Case& c : cases) {
        QuerySql(DbPath(), "UPDATE t_profile_data SET status = 0");
        QuerySql(DbPath(), c.edit);
        EXPECT_EQ(store.EnsureDefaultProfiles(), c.expected) << c.edit;
    }
    ASSERT_TRUE(store.SetActiveProfile(3));
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT profile FROM t_profile_data WHERE status = 1"),
              std::vector<std::string>{"3"});
}

TEST_F(ProfilesTest, AddProfileStoresNameAndAppWithTheDefaultValues) {
    ProfileRecord record;
    record.name = "Gaming \xE2\x9C\x93";
    record.app = "game.exe";
    record.type = 9;    // not stored: new profiles have type 0
    record.status = 1;  // not stored: new profiles are inactive
    int id = store.AddProfile(record);
    ASSERT_EQ(id, 1);
    std::vector<ProfileRecord> profiles;
    ASSERT_EQ(store.LoadProfiles(profiles), 1);
    EXPECT_EQ(profiles[0].name, record.name);
    EXPECT_EQ(profiles[0].app, "game.exe");
    EXPECT_EQ(profiles[0].type, 0);
    EXPECT_EQ(profiles[0].status, 0);
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT count(*) FROM t_configdata WHERE profile = 1"),
              std::vector<std::string>{"27"});
}

}  // namespace
}  // namespace quillon::test
