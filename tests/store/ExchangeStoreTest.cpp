#include <gtest/gtest.h>

#include <filesystem>

#include "SqlHelpers.h"
#include "StoreFixture.h"
#include "store/MacroExchangeFile.h"
#include "store/ProfileExchangeFile.h"
#include "store/ProfileFile.h"

namespace quillon::test {
namespace {

KeyAssignment Row(int profile, int keyCode, int type, int value, int value2, std::string desc) {
    KeyAssignment row;
    row.profile = profile;
    row.key_code = keyCode;
    row.macro_type = type;
    row.macro_value = value;
    row.macro_value2 = value2;
    row.macro_desc = std::move(desc);
    return row;
}

class ExchangeStoreTest : public StoreFixture {
  protected:
    void SetUp() override {
        StoreFixture::SetUp();
        ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    }

    // Everything a profile import may touch, as text.
    SqlRows Snapshot() {
        SqlRows rows = QuerySql(DbPath(), "SELECT * FROM t_key_macro_data ORDER BY key_id");
        SqlRows values = QuerySql(DbPath(), "SELECT * FROM t_configdata ORDER BY config_id");
        rows.insert(rows.end(), values.begin(), values.end());
        return rows;
    }

    std::vector<std::vector<std::string>> Buttons(int profile) {
        return QuerySql(DbPath(),
                        "SELECT key_code, macro_type, macro_value, macro_value2, macro_value3, "
                        "macro_desc FROM t_key_macro_data WHERE profile = " +
                            std::to_string(profile) + " ORDER BY key_id");
    }

    std::vector<std::string> Values(int profile) {
        std::vector<std::string> values;
        for (const std::string& key : ProfileFileKeys()) {
            std::string value;
            store.GetValue(profile, key, value);
            values.push_back(key + "=" + value);
        }
        return values;
    }

    // Key codes of imported buttons that play a macro the database does not have.
    std::vector<int> withoutMacro;
};

TEST_F(ExchangeStoreTest, ProfileExportedAndImportedElsewhereKeepsRowsAndValues) {
    store.SaveKeyAssignment(Row(1, 4, 22, 0x04, 3, "Shift+ Ctrl + A"));
    store.SaveKeyAssignment(Row(1, 7, 23, 5, 0, "My \"macro\" <1> & more"));
    store.SaveKeyAssignment(Row(1, 2, 26, 5, 0, "Show the desktop"));
    store.SetValue(1, "dpi_group3_value", "5000");
    store.SetValue(1, "report_rate", "3");
    store.SetValue(1, "leftbtn_lock", "0");
    store.SaveKeyAssignment(Row(2, 1, 24, 1, 0, "162"));  // cleared by the import

    std::string reason;
    ASSERT_TRUE(ExportProfileFile(store, 1, "Profile 1", dir.file("p.xml"), reason)) << reason;
    ASSERT_TRUE(ImportProfileFile(store, 2, dir.file("p.xml"), reason, withoutMacro)) << reason;

    EXPECT_EQ(Buttons(2), Buttons(1));
    EXPECT_EQ(Buttons(2).size(), 3u);
    EXPECT_EQ(Values(2), Values(1));
    std::vector<ProfileRecord> profiles;
    store.LoadProfiles(profiles);
    EXPECT_EQ(profiles[1].name, "801") << "the import does not rename the profile";

    // Read by an independent parser.
    const std::string script =
        "python3 -c \"import sys, xml.etree.ElementTree as E; r = E.parse(sys.argv[1]).getroot(); "
        "print(r.tag, len(r.find('profileinfo/keyitems')), "
        "r.find('profileinfo/keyitems/item[2]').get('macro_desc'), "
        "r.find('profileinfo/Mouse/report_rate').get('value'))\" " +
        dir.file("p.xml");
    FILE* pipe = popen(script.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[256] = {};
    ASSERT_NE(fgets(line, sizeof line, pipe), nullptr);
    pclose(pipe);
    EXPECT_STREQ(line, "profile 3 My \"macro\" <1> & more 3\n");
}

TEST_F(ExchangeStoreTest, RefusedProfileFileLeavesTheDatabaseAsItWas) {
    store.SaveKeyAssignment(Row(2, 3, 15, 1, 0, "150"));
    const SqlRows before = Snapshot();
    const char* files[] = {
        "<profile><profileinfo><keyitems><item key_code=\"5\" macro_type=\"1\" macro_value=\"1\"/>"
        "</keyitems><Mouse><report_rate value=\"200\"/></Mouse></profileinfo></profile>",
        "<profile><profileinfo><Mouse_DPI><DPI1 value=\"99999\"/></Mouse_DPI></profileinfo>"
        "</profile>",
        "<profile><profileinfo><Mouse_DPI dpi_index=\"two\"/></profileinfo></profile>",
        "<profile><profileinfo>",
        "<macro/>",
    };
    for (const char* text : files) {
        dir.write("bad.xml", text);
        std::string reason;
        EXPECT_FALSE(ImportProfileFile(store, 2, dir.file("bad.xml"), reason, withoutMacro))
            << text;
        EXPECT_FALSE(reason.empty()) << text;
        EXPECT_EQ(Snapshot(), before) << text;
    }
}

TEST_F(ExchangeStoreTest, ProfileFileWithoutProfileInfoOnlyClearsTheButtons) {
    store.SaveKeyAssignment(Row(3, 3, 15, 1, 0, "150"));
    store.SaveKeyAssignment(Row(4, 3, 15, 1, 0, "150"));
    const std::vector<std::string> values = Values(3);
    dir.write("p.xml", "<?xml version=\"1.0\"?>\r\n<profile/>\r\n");
    std::string reason;
    ASSERT_TRUE(ImportProfileFile(store, 3, dir.file("p.xml"), reason, withoutMacro)) << reason;
    EXPECT_TRUE(Buttons(3).empty());
    EXPECT_EQ(Buttons(4).size(), 1u) << "other profiles keep their buttons";
    EXPECT_EQ(Values(3), values);
}

TEST_F(ExchangeStoreTest, MissingValuesExportEmptyAndImportAsUnchanged) {
    QuerySql(DbPath(), "DELETE FROM t_configdata WHERE profile = 1 AND key = 'scroll_flag'");
    std::string reason;
    ASSERT_TRUE(ExportProfileFile(store, 1, "P", dir.file("p.xml"), reason));
    EXPECT_NE(dir.read("p.xml").find("<scroll_flag value=\"\"/>"), std::string::npos);
    store.SetValue(2, "scroll_flag", "1");
    ASSERT_TRUE(ImportProfileFile(store, 2, dir.file("p.xml"), reason, withoutMacro)) << reason;
    std::string value;
    store.GetValue(2, "scroll_flag", value);
    EXPECT_EQ(value, "1");
}

TEST_F(ExchangeStoreTest, MacroExportedAndImportedBecomesANewEqualMacro) {
    MacroHeader header;
    header.name = "Custom 1";
    header.play_type = 0;
    header.play_times = 4;
    header.delay_type = 2;
    header.delay_time = 25;
    const int id = store.InsertMacro(header);
    std::vector<MacroItem> items;
    for (int i = 0; i < 3; ++i) {
        MacroItem item;
        item.macro_id = id;
        item.type = 2 + i % 2;
        item.record_index = i;
        item.value = 0x41 + i;
        item.delay_time = 7000 + i;
        item.desc = "step " + std::to_string(i);
        items.push_back(item);
    }
    store.InsertMacroItems(items);

    std::string reason;
    const std::string path = ExportMacroFile(store, id, "Custom 1", dir.path(), 1234, reason);
    ASSERT_EQ(path, dir.file("Custom 1-1234.xml")) << reason;
    const int copy = ImportMacroFile(store, path, reason);
    ASSERT_GT(copy, id) << reason;

    MacroHeader imported;
    ASSERT_TRUE(store.GetMacro(copy, imported));
    EXPECT_EQ(imported.name, "Custom 1");
    EXPECT_EQ(imported.play_times, 4);
    EXPECT_EQ(imported.delay_type, 2);
    EXPECT_EQ(imported.delay_time, 25);
    const std::string columns =
        "SELECT type, record_index, desc, value, delay_time FROM t_macrorecord ";
    EXPECT_EQ(QuerySql(DbPath(), columns + "WHERE macro_id = " + std::to_string(copy) +
                                     " ORDER BY record_index"),
              QuerySql(DbPath(), columns + "WHERE macro_id = " + std::to_string(id) +
                                     " ORDER BY record_index"));
}

TEST_F(ExchangeStoreTest, MacroNamedLikeAPathExportsInsideTheFolder) {
    const int id = store.AddMacro("../x");
    std::string reason;
    const std::string path = ExportMacroFile(store, id, "../x", dir.file("out"), 5, reason);
    EXPECT_EQ(path, "") << "the folder does not exist";
    EXPECT_NE(reason.find("cannot write"), std::string::npos);

    std::filesystem::create_directory(dir.file("out"));
    const std::string written = ExportMacroFile(store, id, "../x", dir.file("out"), 5, reason);
    EXPECT_EQ(written, dir.file("out/.._x-5.xml"));
    EXPECT_TRUE(std::filesystem::exists(written));
    EXPECT_FALSE(std::filesystem::exists(dir.file("x-5.xml")));

    EXPECT_EQ(ExportMacroFile(store, 999, "none", dir.path(), 5, reason), "");
    EXPECT_NE(reason.find("no macro 999"), std::string::npos);
}

TEST_F(ExchangeStoreTest, MacroImportIsRefusedWhenThirtyTwoMacrosExist) {
    for (int i = 1; i <= 32; ++i) {
        store.AddMacro("m" + std::to_string(i));
    }
    dir.write("m.xml",
              "<macro><macroinfo macro_name=\"extra\"/><macroitems><item "
              "type=\"2\"/></macroitems></macro>");
    const SqlRows before = QuerySql(DbPath(), "SELECT * FROM t_macro_data");
    std::string reason;
    EXPECT_EQ(ImportMacroFile(store, dir.file("m.xml"), reason), 0);
    EXPECT_NE(reason.find("at most 32 macros"), std::string::npos);
    EXPECT_EQ(QuerySql(DbPath(), "SELECT * FROM t_macro_data"), before);
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT count(*) FROM t_macrorecord"),
              std::vector<std::string>{"0"});

    dir.write("bad.xml", "<macro>");
    EXPECT_EQ(ImportMacroFile(store, dir.file("bad.xml"), reason), 0);
}

// Everything a macro import may touch, as text.
SqlRows MacroTables(const std::string& path) {
    SqlRows rows = QuerySql(path, "SELECT * FROM t_macro_data");
    SqlRows items = QuerySql(path, "SELECT * FROM t_macrorecord");
    rows.insert(rows.end(), items.begin(), items.end());
    return rows;
}

TEST_F(ExchangeStoreTest, MacroFilesOutsideWhatTheEditorMakesAreRefusedNamingTheValue) {
    const int existing = store.AddMacro("kept");
    MacroItem step;
    step.macro_id = existing;
    step.type = 1;
    step.value = 20;
    ASSERT_NE(store.InsertMacroItem(step), 0);
    // A file the editor could have written, with one attribute of the header or the step set to
    // `value`.
    auto file = [](bool inHeader, const std::string& attribute, const std::string& value) {
        std::vector<std::pair<std::string, std::string>> header = {{"macro_name", "m"},
                                                                   {"macro_type", "0"},
                                                                   {"play_times", "1"},
                                                                   {"delay_type", "0"},
                                                                   {"delay_time", "0"}};
        std::vector<std::pair<std::string, std::string>> item = {
            {"desc", "d"}, {"index", "0"}, {"type", "2"}, {"value", "65"}, {"timestamp", "0"}};
        auto element = [&](const char* name, auto& attributes) {
            std::string text = std::string("<") + name;
            for (auto& [key, text_value] : attributes) {
                if (key == attribute && (&attributes == &header) == inHeader) {
                    text_value = value;
                }
                text += " " + key + "=\"" + text_value + "\"";
            }
            return text + "/>";
        };
        return "<macro>" + element("macroinfo", header) + "<macroitems>" + element("item", item) +
               "</macroitems></macro>";
    };
    std::string tooMany = "<macro><macroinfo macro_name=\"m\"/><macroitems>";
    for (int i = 0; i <= 200; ++i) {
        tooMany += "<item index=\"" + std::to_string(i) + "\" type=\"1\" value=\"10\"/>";
    }
    tooMany += "</macroitems></macro>";
    const bool kHeader = true;
    const bool kItem = false;
    struct Case {
        std::string text;
        std::string named;  // what the reason must say
    };
    const Case cases[] = {
        {file(kHeader, "delay_time", "12abc"),
         "delay_time \"12abc\" is not a whole decimal number"},
        {file(kItem, "timestamp", "1e9"), "<item> 1: timestamp \"1e9\""},
        {file(kItem, "index", "0x10"), "index \"0x10\""},
        {file(kHeader, "delay_type", "\xEF\xBC\x91"), "delay_type"},  // a full-width 1
        {file(kItem, "timestamp", "2147483648"), "timestamp \"2147483648\""},
        {file(kItem, "index", " 1"), "index \" 1\""},
        {file(kHeader, "play_times", "0"), "play_times \"0\" is outside 1..255"},
        {file(kHeader, "play_times", "256"), "play_times \"256\""},
        {file(kHeader, "macro_type", "3"), "macro_type \"3\""},
        {file(kItem, "type", "13"), "<item> 1: type \"13\" is outside 1..12"},
        {file(kItem, "type", "0"), "type \"0\""},
        {file(kHeader, "delay_time", "15001"), "delay_time \"15001\""},
        {"<macro><macroinfo macro_name=\"m\"/><macroitems><item type=\"1\" value=\"0\"/>"
         "</macroitems></macro>",
         "value \"0\" is outside 1..15000"},
        {"<macro><macroinfo macro_name=\"m\"/><macroitems><item type=\"1\" value=\"15001\"/>"
         "</macroitems></macro>",
         "value \"15001\""},
        {"<macro><macroinfo macro_name=\"m\"/><macroitems><item type=\"1\" value=\"-5\"/>"
         "</macroitems></macro>",
         "value \"-5\""},
        {tooMany, "more than 200 steps"},
        {file(kHeader, "macro_name", std::string("a\0b", 3)), "macro_name holds a NUL character"},
        {file(kItem, "desc", std::string("x\0", 2)), "desc holds a NUL character"},
    };
    const SqlRows before = MacroTables(DbPath());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 160));
        dir.write("m.xml", c.text);
        std::string reason;
        EXPECT_EQ(ImportMacroFile(store, dir.file("m.xml"), reason), 0);
        EXPECT_NE(reason.find(c.named), std::string::npos) << reason;
        EXPECT_FALSE(reason.empty());
        EXPECT_EQ(MacroTables(DbPath()), before);
    }
    dir.write("m.xml", file(kItem, "timestamp", "-2147483648"));
    std::string reason;
    EXPECT_GT(ImportMacroFile(store, dir.file("m.xml"), reason), existing) << reason;
}

TEST_F(ExchangeStoreTest, AnImportTheDatabaseRefusesPartwayLeavesEverythingAsItWas) {
    KeyAssignment old = Row(2, 4, 21, 1, 0, "old");
    ASSERT_NE(store.SaveKeyAssignment(old), 0);
    dir.write("p.xml",
              "<profile><profileinfo name=\"p\"><keyitems>"
              "<item key_code=\"3\" macro_type=\"21\" macro_value=\"2\" macro_value2=\"0\"/>"
              "</keyitems><Mouse_DPI dpi_flag=\"7\" dpi_index=\"1\" dpi_count=\"3\"/>"
              "<Mouse><report_rate value=\"1\"/></Mouse></profileinfo></profile>");
    dir.write("m.xml",
              "<macro><macroinfo macro_name=\"m\" play_times=\"1\"/><macroitems>"
              "<item index=\"0\" type=\"2\" value=\"65\"/><item index=\"1\" type=\"3\" "
              "value=\"65\"/></macroitems></macro>");
    // The last write of each import fails, after the others have run.
    QuerySql(DbPath(),
             "CREATE TRIGGER refuse_value BEFORE UPDATE ON t_configdata WHEN NEW.key = "
             "'report_rate' BEGIN SELECT RAISE(ABORT, 'no'); END");
    QuerySql(DbPath(),
             "CREATE TRIGGER refuse_step BEFORE INSERT ON t_macrorecord WHEN NEW.type = 3 BEGIN "
             "SELECT RAISE(ABORT, 'no'); END");
    const SqlRows profileBefore = Snapshot();
    const SqlRows macrosBefore = MacroTables(DbPath());
    std::string reason;
    EXPECT_FALSE(ImportProfileFile(store, 2, dir.file("p.xml"), reason, withoutMacro));
    EXPECT_NE(reason.find("the profile is as it was"), std::string::npos) << reason;
    EXPECT_EQ(Snapshot(), profileBefore) << "the old button is back, dpi_flag was not kept";
    EXPECT_EQ(ImportMacroFile(store, dir.file("m.xml"), reason), 0);
    EXPECT_NE(reason.find("nothing was stored"), std::string::npos) << reason;
    EXPECT_EQ(MacroTables(DbPath()), macrosBefore) << "no macro without its steps";
}

TEST_F(ExchangeStoreTest, AButtonPlayingAMacroThisDatabaseLacksIsKeptAndNamed) {
    const int here = store.AddMacro("here");
    dir.write("p.xml",
              "<profile><profileinfo name=\"p\"><keyitems>"
              "<item key_code=\"4\" macro_type=\"23\" macro_value=\"" +
                  std::to_string(here) +
                  "\" macro_value2=\"0\" macro_desc=\"here\"/>"
                  "<item key_code=\"5\" macro_type=\"23\" macro_value=\"17\" "
                  "macro_value2=\"0\" macro_desc=\"elsewhere\"/>"
                  "<item key_code=\"6\" macro_type=\"23\" macro_value=\"18\" "
                  "macro_value2=\"1\" macro_desc=\"also elsewhere\"/>"
                  "</keyitems></profileinfo></profile>");
    std::string reason;
    ASSERT_TRUE(ImportProfileFile(store, 1, dir.file("p.xml"), reason, withoutMacro)) << reason;
    EXPECT_EQ(withoutMacro, (std::vector<int>{5, 6}));
    EXPECT_EQ(QueryColumn(DbPath(),
                          "SELECT macro_value FROM t_key_macro_data WHERE profile = 1 "
                          "ORDER BY key_code"),
              (std::vector<std::string>{std::to_string(here), "17", "18"}));
}

}  // namespace
}  // namespace quillon::test
