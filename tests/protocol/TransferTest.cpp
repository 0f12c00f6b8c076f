#include <gtest/gtest.h>

#include <algorithm>

#include "input/MacroItems.h"
#include "protocol/ButtonTransfer.h"
#include "protocol/CommandChannel.h"
#include "protocol/MacroTransfer.h"
#include "store/SqlHelpers.h"
#include "support/TempDir.h"
#include "support/VirtualMouseRig.h"

namespace quillon::test {
namespace {

// A settings database of its own and a virtual mouse on the cable.
class TransferTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(store.OpenForDevice(dir.path(), "Q1"));
        ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
        rig.Refresh();
        rig.mouse.ClearRequests();
    }

    std::string DbPath() const { return dir.file("db/Q1_data_rdn.db"); }

    SqlRows Snapshot() {
        SqlRows rows = QuerySql(DbPath(), "SELECT * FROM t_macro_data");
        SqlRows items = QuerySql(DbPath(), "SELECT * FROM t_macrorecord");
        SqlRows keys = QuerySql(DbPath(), "SELECT * FROM t_key_macro_data");
        rows.insert(rows.end(), items.begin(), items.end());
        rows.insert(rows.end(), keys.begin(), keys.end());
        return rows;
    }

    int AddMacro(const std::string& name, int events, int playType = 0, int playTimes = 1) {
        MacroHeader header;
        header.name = name;
        header.play_type = playType;
        header.play_times = playTimes;
        const int id = store.InsertMacro(header);
        std::vector<MacroItem> items;
        for (int i = 0; i < events; ++i) {
            MacroItem item;
            item.macro_id = id;
            item.type = i % 2 == 0 ? kItemKeyDown : kItemKeyUp;
            item.value = 0x41 + i % 26;
            item.record_index = 2 * i;
            items.push_back(item);
            MacroItem pause;
            pause.macro_id = id;
            pause.type = kItemPause;
            pause.value = 20 + i;
            pause.record_index = 2 * i + 1;
            items.push_back(pause);
        }
        store.InsertMacroItems(items);
        return id;
    }

    int Commands(std::uint8_t command) {
        const std::vector<VirtualRequest> requests = rig.mouse.Requests();
        return static_cast<int>(
            std::count_if(requests.begin(), requests.end(),
                          [command](const VirtualRequest& r) { return r.Command() == command; }));
    }

    TempDir dir;
    SettingsStore store;
    VirtualMouseRig rig;
};

KeyAssignment Row(int profile, int keyCode, int type, int value, int value2 = 0) {
    KeyAssignment row;
    row.profile = profile;
    row.key_code = keyCode;
    row.macro_type = type;
    row.macro_value = value;
    row.macro_value2 = value2;
    return row;
}

TEST_F(TransferTest, TheMouseReceivesTheEncodersImage) {
    AddMacro("first", 12);
    AddMacro("empty", 0);
    AddMacro("third", 5);
    QuerySql(DbPath(),
             "INSERT INTO t_macrorecord(macro_id, type, record_index, value) "
             "VALUES (99, 2, 0, 65)");  // a step whose macro is gone
    MacroImage expected;
    std::string reason;
    ASSERT_TRUE(BuildMacroImage(LoadMacroSources(store), expected, reason)) << reason;
    ASSERT_EQ(expected.length, 64u + 4u * 18u);

    const VirtualMouse::MacroImage before = rig.mouse.MacroImageBytes();
    ASSERT_TRUE(WriteMacros(rig.manager, store, reason)) << reason;
    const VirtualMouse::MacroImage received = rig.mouse.MacroImageBytes();
    EXPECT_TRUE(std::equal(expected.bytes.begin(), expected.bytes.begin() + 136, received.begin()));
    EXPECT_TRUE(std::equal(received.begin() + 136, received.end(), before.begin() + 136))
        << "bytes past the image are not sent";
    EXPECT_EQ(Commands(0x0D), 3) << "136 bytes: 56, 56, 24";
    EXPECT_EQ(Commands(0x10), 1);
    EXPECT_EQ(rig.mouse.MacroCommits(), 1);
}

TEST_F(TransferTest, MacroTablesThatDoNotFitSendNothingAndChangeNothing) {
    struct Case {
        const char* what;
        int macros;
        int eventsEach;
        const char* reason;
    };
    const Case cases[] = {
        {"33 macros", 33, 1, "at most 32 macros and 33"},
        {"an image past 4224 bytes", 3, 347, "4228 bytes, 4 more than the mouse's 4224"},
    };
    for (const Case& c : cases) {
        store.ClearAll();
        for (int i = 0; i < c.macros; ++i) {
            AddMacro("m" + std::to_string(i), c.eventsEach);
        }
        rig.mouse.ClearRequests();
        const VirtualMouse::MacroImage before = rig.mouse.MacroImageBytes();
        const SqlRows database = Snapshot();
        std::string reason;
        EXPECT_FALSE(WriteMacros(rig.manager, store, reason)) << c.what;
        EXPECT_NE(reason.find(c.reason), std::string::npos) << c.what << ": " << reason;
        EXPECT_EQ(rig.mouse.WriteCount(), 0) << c.what;
        EXPECT_EQ(rig.mouse.MacroImageBytes(), before) << c.what;
        EXPECT_EQ(Snapshot(), database) << c.what;
    }
}

TEST_F(TransferTest, AMouseUnpluggedMidTransferKeepsItsOldImage) {
    AddMacro("long", 60);
    const VirtualMouse::MacroImage before = rig.mouse.MacroImageBytes();
    rig.mouse.UnplugOnRequest(3);
    MacroImage image;
    std::string reason;
    ASSERT_TRUE(BuildMacroImage(LoadMacroSources(store), image, reason));
    EXPECT_FALSE(SendMacroImage(rig.manager, image));
    EXPECT_EQ(rig.mouse.MacroCommits(), 0);
    EXPECT_EQ(rig.mouse.MacroImageBytes(), before);
}

TEST_F(TransferTest, ButtonTablesGoToProfilesOneToFiveOnceEach) {
    const int macro = AddMacro("m", 2, 0, 3);
    store.SaveKeyAssignment(Row(1, 4, 15, 1));
    store.SaveKeyAssignment(Row(2, 5, 23, macro));
    store.SaveKeyAssignment(Row(5, 1, 22, 0x04, 1));
    store.SaveKeyAssignment(Row(5, 9, 24, 1));
    const VirtualMouse::ButtonTable sixth = rig.mouse.Buttons(5);

    CommandChannel channel(rig.manager);
    SendButtonTables(channel, BuildProfileButtonTables(store));
    EXPECT_EQ(Commands(0x09), 5);
    SendButtonTables(channel, BuildProfileButtonTables(store));
    EXPECT_EQ(Commands(0x09), 5) << "the tables the mouse acknowledged are not sent again";
    const ProfileButtonTables tables = BuildProfileButtonTables(store);
    for (int profile = 1; profile <= 5; ++profile) {
        const VirtualMouse::ButtonTable received = rig.mouse.Buttons(profile - 1);
        const ButtonTable& table = tables[static_cast<size_t>(profile - 1)];
        for (size_t j = 0; j < table.size(); ++j) {
            EXPECT_TRUE(std::equal(table[j].begin(), table[j].end(), received.begin() + 4 * j))
                << "profile " << profile << " entry " << j;
        }
    }
    EXPECT_EQ(tables[0][4], (ButtonCode{0xF0, 0x01, 0x01, 0x00})) << "key code 4 is entry 4";
    EXPECT_EQ(tables[1][3], (ButtonCode{0x70, 0x00, 0x03, 0x00})) << "key code 5 is entry 3";
    EXPECT_EQ(tables[4][8], (ButtonCode{0x00, 0x21, 0xAA, 0x00}));
    EXPECT_EQ(tables[2], DefaultButtonTable());
    EXPECT_EQ(rig.mouse.Buttons(5), sixth) << "profile index 5 is never written";
}

TEST_F(TransferTest, ButtonsReadBackAsTheAssignmentsTheyCameFrom) {
    const int macro = AddMacro("Jump", 2, 1);
    const std::vector<KeyAssignment> rows = {
        Row(1, 1, 4, 1),  Row(1, 2, 12, 1), Row(1, 3, 22, 0x3A, 2), Row(1, 4, 23, macro),
        Row(1, 5, 26, 9), Row(1, 7, 25, 6), Row(1, 8, 27, 42),      Row(1, 9, 19, 1)};
    for (const KeyAssignment& row : rows) {
        store.SaveKeyAssignment(row);
    }
    CommandChannel channel(rig.manager);
    SendButtonTables(channel, BuildProfileButtonTables(store));
    ASSERT_EQ(channel.Unanswered(), 0);

    store.DeleteKeyAssignments(1);
    CommandFrame read = ButtonTableReadFrame(0);
    ASSERT_TRUE(rig.manager.SendCommand(read));
    std::vector<MacroHeader> macros;
    store.LoadMacros(macros);
    StoreButtonTable(store, macros, 1, ButtonTableOfReply(read.data()));

    EXPECT_EQ(QuerySql(DbPath(),
                       "SELECT key_code, macro_type, macro_value, macro_value2, macro_desc FROM "
                       "t_key_macro_data WHERE profile = 1 ORDER BY key_code"),
              (SqlRows{{"1", "4", "1", "0", "126"},
                       {"2", "12", "1", "0", ""},
                       {"3", "22", "58", "2", "Shift + F1"},
                       {"4", "23", std::to_string(macro), "0", "Jump"},
                       {"5", "26", "9", "0", "193"},
                       {"6", "9", "1", "0", "90"},
                       {"7", "25", "6", "0", "175"},
                       {"8", "27", "42", "0", "表情符号"},
                       {"9", "19", "1", "0", "153"}}));
}

TEST_F(TransferTest, DecodedEntriesReplaceOrKeepTheStoredRow) {
    store.SaveKeyAssignment(Row(2, 3, 15, 1));
    store.SaveKeyAssignment(Row(2, 4, 16, 1));
    store.SaveKeyAssignment(Row(2, 7, 17, 1));
    DecodeButtonEntry(store, 2, 2, {0xFF, 0xFF, 0x12, 0x34});  // key code 3: unset, kept
    DecodeButtonEntry(store, 2, 4, {0xFF, 0x00, 0x00, 0x00});  // key code 4: unknown, kept
    DecodeButtonEntry(store, 2, 6, {0x70, 0x05, 0x01, 0x00});  // key code 7: no such macro
    DecodeButtonEntry(store, 2, 0, {0x20, 0x02, 0x00, 0x00});  // key code 1: right click
    EXPECT_EQ(QuerySql(DbPath(),
                       "SELECT key_code, macro_type, macro_desc FROM t_key_macro_data WHERE "
                       "profile = 2 ORDER BY key_code"),
              (SqlRows{{"1", "3", "122"}, {"3", "15", ""}, {"4", "16", ""}}))
        << "a macro the table does not hold leaves the button at its default";
}

}  // namespace
}  // namespace quillon::test
