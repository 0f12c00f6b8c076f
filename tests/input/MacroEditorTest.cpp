#include <gtest/gtest.h>

#include "input/FunctionCatalogue.h"
#include "input/MacroEditor.h"
#include "platform/LanguageChoice.h"
#include "store/SettingsStore.h"
#include "store/SqlHelpers.h"
#include "support/TempDir.h"

namespace quillon::test {
namespace {

// Notices as the message boxes would show them: (title, message).
struct RecordedNotices : MacroNotices {
    void ShowNotice(int title, int message) override { shown.emplace_back(title, message); }
    std::vector<std::pair<int, int>> shown;
};

class MacroEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(store.OpenForDevice(dir.path(), "Q1"));
        ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    }

    std::string DbPath() const { return dir.file("db/Q1_data_rdn.db"); }
    SqlRows Rows(const std::string& sql) { return QuerySql(DbPath(), sql); }

    MacroItem Item(int type, int value, int stamp, std::string desc) {
        MacroItem item;
        item.type = type;
        item.value = value;
        item.delay_time = stamp;
        item.desc = std::move(desc);
        return item;
    }

    TempDir dir;
    SettingsStore store;
    RecordedNotices notices;
    int tick = 500;
    MacroEditor editor{store, notices,
                       LanguageContext{kLanguageEnglishUs,
                                       [](int id) {
                                           return id == 351  ? std::string("Custom")
                                                  : id == 31 ? std::string("Copy")
                                                             : std::string();
                                       }},
                       [this] { return tick++; }};
};

TEST_F(MacroEditorTest, NewMacrosAreNumberedAndStopAtThirtyTwo) {
    for (int i = 1; i <= 31; ++i) {
        ASSERT_GT(editor.NewMacro(), 0);
    }
    const int last = editor.NewMacro();
    MacroHeader header;
    ASSERT_TRUE(store.GetMacro(last, header));
    EXPECT_EQ(header.name, "Custom 32");
    EXPECT_EQ(header.play_type, 0);
    EXPECT_EQ(header.play_times, 1);
    EXPECT_EQ(header.delay_type, 1);
    EXPECT_EQ(header.delay_time, 0);
    EXPECT_TRUE(notices.shown.empty());

    EXPECT_EQ(editor.NewMacro(), 0);
    EXPECT_EQ(editor.CopyMacro(last), 0);
    EXPECT_EQ(notices.shown, (std::vector<std::pair<int, int>>{{353, 415}, {31, 415}}));
    EXPECT_EQ(Rows("SELECT count(*) FROM t_macro_data"), (SqlRows{{"32"}}));
}

TEST_F(MacroEditorTest, CopyTakesTheHeaderAndEveryItem) {
    MacroHeader source;
    source.name = "Custom 1";
    source.play_type = 2;
    source.play_times = 1;
    source.delay_type = 2;
    source.delay_time = 40;
    const int id = store.InsertMacro(source);
    ASSERT_TRUE(editor.SaveItems(
        id, {Item(2, 0x41, 7, "↓  A"), Item(1, 40, 8, " -   40 ms"), Item(3, 0x41, 7, "↑  A")}));

    const int copy = editor.CopyMacro(id);
    ASSERT_GT(copy, id);
    MacroHeader header;
    ASSERT_TRUE(store.GetMacro(copy, header));
    EXPECT_EQ(header.name, "Custom 1 Copy");
    EXPECT_EQ(header.play_type, 2);
    EXPECT_EQ(header.delay_type, 2);
    EXPECT_EQ(header.delay_time, 40);
    const std::string items =
        "SELECT record_index, desc, type, value, delay_time FROM t_macrorecord WHERE macro_id = ";
    EXPECT_EQ(Rows(items + std::to_string(copy)), Rows(items + std::to_string(id)));
    EXPECT_EQ(Rows(items + std::to_string(copy)).size(), 3u);

    EXPECT_EQ(editor.CopyMacro(0), 0) << "nothing selected";
    EXPECT_TRUE(notices.shown.empty());
}

TEST_F(MacroEditorTest, DeleteTakesTheItemsAlong) {
    const int id = editor.NewMacro();
    editor.SaveItems(id, {Item(1, 10, 1, " -   10 ms")});
    EXPECT_FALSE(editor.DeleteMacro(0));
    EXPECT_TRUE(editor.DeleteMacro(id));
    EXPECT_EQ(Rows("SELECT count(*) FROM t_macro_data"), (SqlRows{{"0"}}));
    EXPECT_EQ(Rows("SELECT count(*) FROM t_macrorecord"), (SqlRows{{"0"}}));
}

TEST_F(MacroEditorTest, RenameUpdatesTheActiveProfilesButtonsOnly) {
    const int id = editor.NewMacro();
    const int other = editor.NewMacro();
    auto assign = [this](int profile, int keyCode, int macro, const char* text) {
        KeyAssignment row;
        row.profile = profile;
        row.key_code = keyCode;
        row.macro_type = kFnMacro;
        row.macro_value = macro;
        row.macro_desc = text;
        store.SaveKeyAssignment(row);
    };
    assign(1, 4, id, "Custom 1");
    assign(1, 5, other, "Custom 2");
    assign(2, 4, id, "Custom 1");

    EXPECT_EQ(editor.RenameMacro(id, "", 1), "Custom 1") << "an empty text keeps the name";
    EXPECT_EQ(editor.RenameMacro(id, "Jump", 1), "Jump");
    MacroHeader header;
    store.GetMacro(id, header);
    EXPECT_EQ(header.name, "Jump");
    EXPECT_EQ(Rows("SELECT profile, key_code, macro_desc FROM t_key_macro_data ORDER BY key_id"),
              (SqlRows{{"1", "4", "Jump"}, {"1", "5", "Custom 2"}, {"2", "4", "Custom 1"}}));
}

TEST_F(MacroEditorTest, ItemsAreSavedInListOrderAndHeadersKeepTheirName) {
    const int id = editor.NewMacro();
    MacroItemList list;
    ASSERT_TRUE(editor.InsertItem(list, id, MacroItemList::Insertion::KeyPair));
    list.Select(0);
    ASSERT_TRUE(editor.InsertItem(list, id, MacroItemList::Insertion::Pause));
    EXPECT_EQ(Rows("SELECT record_index, type, value, delay_time, desc FROM t_macrorecord "
                   "ORDER BY record_index"),
              (SqlRows{{"0", "1", "10", "501", " -   10 ms"},
                       {"1", "2", "65", "500", "↓  A"},
                       {"2", "3", "65", "500", "↑  A"}}));

    list.MoveToBottom();
    ASSERT_TRUE(editor.SaveItems(id, list.Items()));
    EXPECT_EQ(Rows("SELECT record_index, type FROM t_macrorecord ORDER BY record_index"),
              (SqlRows{{"0", "1"}, {"1", "3"}, {"2", "2"}}))
        << "the selected key-down item moved to the end";

    MacroHeader header = HeaderFromEditors(id, 2, "5", 0, "300");
    header.name = "ignored";
    ASSERT_TRUE(editor.SaveHeader(header));
    MacroHeader stored;
    store.GetMacro(id, stored);
    EXPECT_EQ(stored.name, "Custom 1");
    EXPECT_EQ(stored.delay_type, 2);
    EXPECT_EQ(stored.delay_time, 10);
    EXPECT_EQ(stored.play_times, 255);
}

TEST_F(MacroEditorTest, InsertingIntoAFullListShowsTheNoticeAndStoresNothing) {
    const int id = editor.NewMacro();
    std::vector<MacroItem> items(200, Item(1, 10, 1, " -   10 ms"));
    MacroItemList list(items);
    EXPECT_FALSE(editor.InsertItem(list, id, MacroItemList::Insertion::Pause));
    EXPECT_EQ(notices.shown, (std::vector<std::pair<int, int>>{{368, 386}}));
    EXPECT_EQ(Rows("SELECT count(*) FROM t_macrorecord"), (SqlRows{{"0"}}));
}

// The old steps are deleted and the new ones inserted in one write: a step the database refuses
// part-way (here by a trigger on the file) leaves every old step, through either way of saving.
TEST_F(MacroEditorTest, AStepRefusedPartWayKeepsEveryOldStep) {
    const int id = editor.NewMacro();
    const std::vector<MacroItem> old = {Item(2, 0x41, 1, "↓  A"), Item(3, 0x41, 2, "↑  A")};
    ASSERT_TRUE(editor.SaveItems(id, old));
    const std::string steps =
        "SELECT record_index, type, value, delay_time, desc FROM t_macrorecord ORDER BY "
        "record_index";
    const SqlRows before = Rows(steps);
    ASSERT_EQ(Rows("CREATE TRIGGER refuse_third BEFORE INSERT ON t_macrorecord "
                   "WHEN NEW.record_index = 2 BEGIN SELECT RAISE(ABORT, 'refused'); END"),
              SqlRows{});

    EXPECT_FALSE(editor.SaveItems(id, {Item(1, 10, 3, " -   10 ms"), Item(2, 0x42, 4, "↓  B"),
                                       Item(3, 0x42, 5, "↑  B"), Item(1, 20, 6, " -   20 ms")}));
    EXPECT_EQ(Rows(steps), before);

    MacroItemList list(old);
    list.Select(1);
    EXPECT_FALSE(editor.InsertItem(list, id, MacroItemList::Insertion::Pause));
    EXPECT_EQ(Rows(steps), before);
    EXPECT_TRUE(notices.shown.empty()) << "not a full list: the database refused it";
}

TEST(MacroHeaderEditors, EmptyFieldsAndLimits) {
    struct Case {
        int delayType;
        const char* pause;
        int playType;
        const char* count;
        int delayTime;
        int playTimes;
    };
    const Case cases[] = {
        {2, "", 0, "", 10, 1},      {2, "5", 0, "0", 10, 1},  {2, "20000", 0, "300", 15000, 255},
        {2, "250", 0, "7", 250, 7}, {0, "250", 1, "7", 0, 1}, {1, "", 2, "", 0, 1},
    };
    for (const Case& c : cases) {
        const MacroHeader header = HeaderFromEditors(9, c.delayType, c.pause, c.playType, c.count);
        EXPECT_EQ(header.macro_id, 9);
        EXPECT_EQ(header.delay_type, c.delayType);
        EXPECT_EQ(header.play_type, c.playType);
        EXPECT_EQ(header.delay_time, c.delayTime) << c.pause;
        EXPECT_EQ(header.play_times, c.playTimes) << c.count;
    }
}

}  // namespace
}  // namespace quillon::test
