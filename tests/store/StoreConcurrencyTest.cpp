#include <gtest/gtest.h>

#include <map>
#include <set>
#include <thread>

#include "SqlHelpers.h"
#include "StoreFixture.h"

namespace quillon::test {
namespace {

constexpr int kRounds = 400;
constexpr int kStepsPerRound = 4;

// What one thread did, to compare with what the file holds afterwards.
struct Writes {
    std::map<int, int> lastKeyId;  // key code -> id returned by the last save
    std::set<int> macroIds;
    bool readsConsistent = true;
    bool idsConsistent = true;
};

// One thread's share: its own profile and macro, so the final contents are predictable.
void Hammer(SettingsStore& store, int profile, Writes& writes) {
    int macro = store.AddMacro("macro of profile " + std::to_string(profile));
    writes.macroIds.insert(macro);
    for (int round = 0; round < kRounds; ++round) {
        std::string text = std::to_string(round);
        store.SetValue(profile, "dpi_index", text);
        std::string value;
        if (!store.GetValue(profile, "dpi_index", value) || value != text) {
            writes.readsConsistent = false;
        }
        KeyAssignment key;
        key.profile = profile;
        key.key_code = 1 + round % 9;
        key.macro_value = round + 1;
        int id = store.SaveKeyAssignment(key);
        writes.lastKeyId[key.key_code] = id;
        // Only this thread writes this profile, so the row read back must carry the id the save
        // returned, not the id of the other thread's insert.
        KeyAssignment read;
        if (!store.GetKeyAssignment(profile, key.key_code, read) || read.key_id != id) {
            writes.idsConsistent = false;
        }

        std::vector<MacroItem> items;
        for (int i = 0; i < kStepsPerRound; ++i) {
            MacroItem item;
            item.macro_id = macro;
            item.record_index = round * kStepsPerRound + i;
            item.value = profile;
            items.push_back(item);
        }
        store.InsertMacroItems(items);
        std::vector<KeyAssignment> keys;
        store.LoadKeyAssignments(profile, keys);
        for (const KeyAssignment& k : keys) {
            if (k.profile != profile) {
                writes.readsConsistent = false;
            }
        }
    }
}

using StoreConcurrencyTest = StoreFixture;

TEST_F(StoreConcurrencyTest, TwoThreadsKeepEveryWriteAndEveryId) {
    int active[2] = {};
    Writes writes[2];
    std::thread window([&] {
        active[0] = store.EnsureDefaultProfiles();
        Hammer(store, 1, writes[0]);
    });
    std::thread worker([&] {
        active[1] = store.EnsureDefaultProfiles();
        Hammer(store, 2, writes[1]);
    });
    window.join();
    worker.join();

    EXPECT_EQ(active[0], 1);
    EXPECT_EQ(active[1], 1);
    std::vector<ProfileRecord> profiles;
    EXPECT_EQ(store.LoadProfiles(profiles), 5) << "the defaults are created once";

    for (int profile : {1, 2}) {
        const Writes& w = writes[profile - 1];
        EXPECT_TRUE(w.readsConsistent);
        EXPECT_TRUE(w.idsConsistent);
        std::string value;
        ASSERT_TRUE(store.GetValue(profile, "dpi_index", value));
        EXPECT_EQ(value, std::to_string(kRounds - 1));

        std::vector<KeyAssignment> keys;
        ASSERT_EQ(store.LoadKeyAssignments(profile, keys), 9);
        for (const KeyAssignment& key : keys) {
            // The id each save returned is the id of the row it wrote, not the other thread's.
            EXPECT_EQ(key.key_id, w.lastKeyId.at(key.key_code)) << "key " << key.key_code;
        }
        int macro = *w.macroIds.begin();
        std::vector<MacroItem> items;
        ASSERT_EQ(store.LoadMacroItems(macro, items), kRounds * kStepsPerRound);
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].record_index, static_cast<int>(i));
            EXPECT_EQ(items[i].value, profile);
        }
    }
    EXPECT_NE(*writes[0].macroIds.begin(), *writes[1].macroIds.begin());
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT count(*) FROM t_configdata"),
              std::vector<std::string>{"135"});
}

}  // namespace
}  // namespace quillon::test
