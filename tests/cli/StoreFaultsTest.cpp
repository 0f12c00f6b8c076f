#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "ProcessRun.h"
#include "store/SettingsStore.h"
#include "store/SqlHelpers.h"
#include "support/TempDir.h"

namespace quillon::test {
namespace {

using std::chrono::milliseconds;

// Every row of every table, to compare a file before and after.
std::vector<std::string> Contents(const std::string& path) {
    std::vector<std::string> rows;
    SQLiteDB db;
    if (!db.Open(path, kOpenReadOnly)) {
        return {"cannot open"};
    }
    auto collect = [](void* out, int columns, char** values, char**) {
        std::string row;
        for (int i = 0; i < columns; ++i) {
            row += std::string(values[i] != nullptr ? values[i] : "NULL") + "|";
        }
        static_cast<std::vector<std::string>*>(out)->push_back(row);
        return 0;
    };
    for (const char* table : {"t_profile_data", "t_configdata", "t_key_macro_data", "t_macro_data",
                              "t_macrorecord", "sqlite_sequence"}) {
        rows.push_back(table);
        db.Exec(std::string("SELECT * FROM ") + table, collect, &rows);
    }
    return rows;
}

// What a profile import changes, without the row ids that every import renews.
std::vector<std::string> ProfileState(const std::string& path) {
    std::vector<std::string> rows;
    SQLiteDB db;
    if (!db.Open(path, kOpenReadOnly)) {
        return {"cannot open"};
    }
    db.Exec(
        "SELECT profile || ' ' || key_code || ' ' || macro_type || ' ' || macro_value || ' ' || "
        "macro_desc FROM t_key_macro_data UNION ALL SELECT profile || ' ' || key || ' ' || value "
        "FROM t_configdata",
        [](void* out, int, char** values, char**) {
            static_cast<std::vector<std::string>*>(out)->push_back(values[0]);
            return 0;
        },
        &rows);
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::string IntegrityCheck(const std::string& path) {
    SQLiteDB db;
    std::string result = "cannot open";
    if (db.Open(path, kOpenReadOnly)) {
        db.Exec(
            "PRAGMA integrity_check",
            [](void* out, int, char** values, char**) {
                *static_cast<std::string*>(out) = values[0] != nullptr ? values[0] : "NULL";
                return 0;
            },
            &result);
    }
    return result;
}

// A profile file that sets every button and value, different for each `n`.
std::string ProfileFileText(int n) {
    std::string text = "<profile><profileinfo name=\"p\"><keyitems>";
    for (int key = 1; key <= 9; ++key) {
        text += "<item key_code=\"" + std::to_string(key) + "\" macro_type=\"21\" macro_value=\"" +
                std::to_string(n * 10 + key) + "\" macro_value2=\"0\" macro_desc=\"file " +
                std::to_string(n) + "\"/>";
    }
    text += "</keyitems><Mouse_DPI dpi_flag=\"" + std::to_string(n) + "\" dpi_index=\"" +
            std::to_string(n % 6) + "\" dpi_count=\"6\">";
    for (int stage = 1; stage <= 6; ++stage) {
        text += "<DPI" + std::to_string(stage) + " value=\"" + std::to_string(100 * (n + stage)) +
                "\" color=\"" + std::to_string(n + stage) + "\"/>";
    }
    return text + "</Mouse_DPI><Mouse><button_respondtime value=\"" + std::to_string(n) +
           "\"/><sensor_flag value=\"" + std::to_string(n) + "\"/></Mouse></profileinfo></profile>";
}

// A macro of the most steps the editor allows.
std::string LargeMacroFileText() {
    std::string text =
        "<macro><macroinfo macro_name=\"large\" macro_type=\"0\" play_times=\"3\"/>"
        "<macroitems>";
    for (int i = 0; i < 200; ++i) {
        text += "<item desc=\"step " + std::to_string(i) + "\" index=\"" + std::to_string(i) +
                "\" type=\"" + std::to_string(2 + i % 2) + "\" value=\"65\" timestamp=\"" +
                std::to_string(i) + "\"/>";
    }
    return text + "</macroitems></macro>";
}

class StoreFaultsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RunOnce(data.path(), {"profile", "list"}).status, 0);
        files.write("p.xml", ProfileFileText(1));
        files.write("m.xml", LargeMacroFileText());
    }
    std::string Db() const { return data.file("db/Q1_data_rdn.db"); }

    // Every command that writes the database, each with valid arguments.
    std::vector<std::vector<std::string>> Writes() const {
        return {{"set", "dpi_index", "3"},
                {"dpi", "set", "1", "900"},
                {"dpi", "select", "2"},
                {"rate", "500"},
                {"profile", "use", "2"},
                {"profile", "import", files.file("p.xml")},
                {"macro", "import", files.file("m.xml")},
                {"macro", "new"},
                {"button", "set", "2", "left"},
                {"restore-defaults"}};
    }

    // Runs quillonctl with the words `command` gives for each round, killed (as a crash would)
    // at a random moment within the time one whole run takes; after each kill the file must be
    // undamaged and pass `check`.
    void KillAtRandomMoments(int rounds,
                             const std::function<std::vector<std::string>(int round)>& command,
                             const std::function<void(int round)>& check) {
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(RunOnce(data.path(), command(0)).status, 0);
        const auto span = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::steady_clock::now() - start)
                              .count();
        std::mt19937 random(20261210);
        std::uniform_int_distribution<long> moment(0, span);
        for (int round = 0; round < rounds; ++round) {
            std::vector<std::string> argv = {QUILLONCTL, "--data-dir", data.path()};
            const std::vector<std::string> words = command(round);
            argv.insert(argv.end(), words.begin(), words.end());
            ChildProcess child(argv);
            std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
            child.Kill();
            ASSERT_EQ(IntegrityCheck(Db()), "ok") << "round " << round;
            check(round);
        }
    }

    IsolatedHome home;
    TempDir data;
    TempDir files;
};

TEST_F(StoreFaultsTest, WritesWaitOutTheBusyTimeOutThenFailWithTheReasonAndChangeNothing) {
    const std::vector<std::string> before = Contents(Db());
    ChildProcess holder({STORE_LOCK_HOLDER, Db(), std::to_string(kBusyTimeoutMs / 1000 * 3)});
    ASSERT_EQ(holder.ReadLine(std::chrono::seconds(10)), "locked");
    const auto start = std::chrono::steady_clock::now();
    const std::vector<ProcessResult> results = RunAtOnce(data.path(), Writes());
    EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(kBusyTimeoutMs));
    ASSERT_FALSE(holder.Wait(milliseconds(0))) << "the lock was held throughout";
    for (size_t i = 0; i < results.size(); ++i) {
        SCOPED_TRACE(Writes()[i][0] + ": " + results[i].output);
        EXPECT_EQ(results[i].status, 1);
        EXPECT_NE(results[i].output.find("busy: another program has kept it locked"),
                  std::string::npos);
        EXPECT_EQ(std::count(results[i].output.begin(), results[i].output.end(), '\n'), 1);
    }
    holder.Kill();
    EXPECT_EQ(Contents(Db()), before);
}

// Root writes whatever the permission bits say, so as root the commands run as "nobody".
std::vector<std::string> AsUnprivilegedUser() {
    if (::geteuid() != 0) {
        return {};
    }
    return {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
}

TEST_F(StoreFaultsTest, AReadOnlyFolderOrFileGivesOneClearLineForEveryCommand) {
    const std::vector<std::string> prefix = AsUnprivilegedUser();
    if (!prefix.empty() && !std::filesystem::exists(prefix.front())) {
        GTEST_SKIP() << "running as root without setpriv: no way to be refused a write";
    }
    ASSERT_EQ(::chmod(data.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(files.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(files.file("p.xml").c_str(), 0644), 0);
    ASSERT_EQ(::chmod(files.file("m.xml").c_str(), 0644), 0);
    std::vector<std::vector<std::string>> commands = Writes();
    commands.insert(commands.end(),
                    {{"values"}, {"profile", "list"}, {"dpi"}, {"buttons"}, {"macro", "list"}});
    struct Case {
        const char* what;
        mode_t folder;
        mode_t file;
    };
    for (const Case& c :
         {Case{"read-only folder", 0555, 0666}, Case{"read-only file", 0777, 0444}}) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(::chmod(data.file("db").c_str(), c.folder), 0);
        ASSERT_EQ(::chmod(Db().c_str(), c.file), 0);
        const std::vector<std::string> before = Contents(Db());
        const std::vector<ProcessResult> results = RunAtOnce(data.path(), commands, prefix);
        for (size_t i = 0; i < results.size(); ++i) {
            SCOPED_TRACE(commands[i][0] + ": " + results[i].output);
            EXPECT_EQ(results[i].status, 1);
            EXPECT_NE(results[i].output.find("cannot be written: read-only"), std::string::npos);
            EXPECT_EQ(std::count(results[i].output.begin(), results[i].output.end(), '\n'), 1);
        }
        EXPECT_EQ(Contents(Db()), before);
    }
    ::chmod(data.file("db").c_str(), 0755);
}

// A child killed at any moment of an import leaves the file as it was before the import or as
// it is after it, never a mix, and never damaged.
TEST_F(StoreFaultsTest, AnImportKilledAtAnyMomentLeavesTheOldStateOrTheNewOne) {
    files.write("other.xml", ProfileFileText(2));
    ASSERT_EQ(RunOnce(data.path(), {"profile", "import", files.file("p.xml")}).status, 0);
    const std::vector<std::string> withFirst = ProfileState(Db());
    ASSERT_EQ(RunOnce(data.path(), {"profile", "import", files.file("other.xml")}).status, 0);
    const std::vector<std::string> withOther = ProfileState(Db());
    ASSERT_NE(withFirst, withOther);

    auto import = [this](int round) -> std::vector<std::string> {
        if (round % 2 != 0) {
            return {"macro", "import", files.file("m.xml")};
        }
        return {"profile", "import", files.file(round % 4 == 0 ? "other.xml" : "p.xml")};
    };
    KillAtRandomMoments(40, import, [&](int round) {
        const std::vector<std::string> after = ProfileState(Db());
        if (round % 2 == 0) {
            EXPECT_TRUE(after == withFirst || after == withOther) << "round " << round;
            return;
        }
        // A macro import adds one macro with all of its 200 steps, or nothing.
        SQLiteDB db;
        ASSERT_TRUE(db.Open(Db(), kOpenReadOnly));
        std::vector<int> counts;
        db.Exec(
            "SELECT count(r.record_id) FROM t_macro_data m LEFT JOIN t_macrorecord r ON "
            "r.macro_id = m.macro_id GROUP BY m.macro_id",
            [](void* out, int, char** values, char**) {
                static_cast<std::vector<int>*>(out)->push_back(std::atoi(values[0]));
                return 0;
            },
            &counts);
        for (int count : counts) {
            EXPECT_EQ(count, 200) << "round " << round;
        }
        if (static_cast<int>(counts.size()) == kMaxMacros) {
            ASSERT_EQ(RunOnce(data.path(), {"macro", "delete", "1"}).status, 0);
        }
    });
}

// New steps replace a macro's old ones in one write: killed at any moment, the macro has all of
// its old steps or all of the new ones.
TEST_F(StoreFaultsTest, NewStepsKilledAtAnyMomentLeaveTheOldStepsOrTheNewOnes) {
    ASSERT_EQ(RunOnce(data.path(), {"macro", "new"}).status, 0);
    auto steps = [](const char* key) {
        std::vector<std::string> words = {"macro", "steps", "1"};
        for (int i = 0; i < 100; ++i) {
            words.insert(words.end(), {std::string("+") + key, std::string("-") + key});
        }
        return words;
    };
    // The steps without their time stamps, which every run takes anew.
    auto stored = [this] {
        return QueryColumn(Db(),
                           "SELECT record_index || ' ' || type || ' ' || value || ' ' || desc FROM "
                           "t_macrorecord WHERE macro_id = 1 ORDER BY record_index");
    };
    ASSERT_EQ(RunOnce(data.path(), steps("A")).status, 0);
    const std::vector<std::string> withA = stored();
    ASSERT_EQ(RunOnce(data.path(), steps("B")).status, 0);
    const std::vector<std::string> withB = stored();
    ASSERT_EQ(withA.size(), 200u);
    ASSERT_EQ(withB.size(), 200u);
    ASSERT_NE(withA, withB);

    KillAtRandomMoments(
        40, [&](int round) { return steps(round % 2 == 0 ? "A" : "B"); },
        [&](int round) {
            const std::vector<std::string> after = stored();
            EXPECT_TRUE(after == withA || after == withB) << "round " << round;
        });
}

// Files that are not regular files are refused at once: opening a FIFO to read it would wait
// for a writer that never comes.
TEST_F(StoreFaultsTest, AFifoInPlaceOfAFileIsRefusedAtOnceWithTheReason) {
    const std::string fifo = files.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::vector<std::string>> commands = {
        {"profile", "import", fifo},         {"macro", "import", fifo},
        {"--config", fifo, "models"},        {"--emulate=wired,state=" + fifo, "info"},
        {"profile", "import", files.path()}, {"macro", "import", "/dev/null"},
    };
    for (const std::vector<std::string>& words : commands) {
        SCOPED_TRACE(words[0] + " " + words[1]);
        std::vector<std::string> argv = {QUILLONCTL, "--data-dir", data.path()};
        argv.insert(argv.end(), words.begin(), words.end());
        ChildProcess child(argv, ChildProcess::Output::StdoutAndStderr);
        const std::optional<int> status = child.Wait(std::chrono::seconds(1));
        ASSERT_TRUE(status.has_value()) << "still waiting after a second";
        EXPECT_EQ(*status, 1);
        EXPECT_NE(child.ReadAll(milliseconds(500)).find("not a regular file"), std::string::npos);
    }
}

TEST_F(StoreFaultsTest, OutputThatCannotBeWrittenEndsWithStatusOne) {
    ChildProcess child(
        {"/bin/sh", "-c",
         std::string(QUILLONCTL) + " --data-dir '" + data.path() + "' profile list > /dev/full"},
        ChildProcess::Output::StdoutAndStderr);
    EXPECT_EQ(child.Wait(std::chrono::seconds(10)), 1);
    EXPECT_NE(child.ReadAll(milliseconds(500)).find("cannot write the output: No space left"),
              std::string::npos);
}

// Names from files and databases cannot fake a table row or send a terminal escape.
TEST_F(StoreFaultsTest, ControlCharactersInStoredNamesAreShownEscaped) {
    ASSERT_EQ(RunOnce(data.path(), {"macro", "new"}).status, 0);
    ASSERT_EQ(RunOnce(data.path(), {"macro", "rename", "1", "a\x1b[2J\n2     0     fake"}).status,
              0);
    files.write("c.xml",
                "<config><device><mouse name=\"Q&#10;1\" device_type=\"101\" device_attr=\"Q1\"/>"
                "</device></config>");
    const std::vector<ProcessResult> shown = RunAtOnce(
        data.path(),
        {{"macro", "list"}, {"macro", "show", "1"}, {"--config", files.file("c.xml"), "models"}});
    for (const ProcessResult& result : shown) {
        SCOPED_TRACE(result.output);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.output.find('\x1b'), std::string::npos);
    }
    EXPECT_NE(shown[0].output.find("a\\x1b[2J\\x0a2     0     fake\n"), std::string::npos);
    EXPECT_NE(shown[2].output.find("  Q\\x0a1  (type 101, key Q1)"), std::string::npos);
}

}  // namespace
}  // namespace quillon::test
