#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProcessRun.h"
#include "store/SettingsStore.h"
#include "support/TempDir.h"

namespace quillon::test {
namespace {

// Enough rounds to have caught the duplicate profiles that parallel first runs used to create
// (about every other round on a new file, rarer on an existing one).
constexpr int kNewFileRounds = 8;
constexpr int kExistingFileRounds = 12;
constexpr int kProfiles = 5;

struct Write {
    int profile;
    int stage;
    int dpi;
};

// Thirty commands: each writer owns one (profile, stage) pair, so every value that a command
// reported stored must be in the file afterwards; the readers must never mistake a busy
// database for a missing value or profile.
struct Round {
    std::vector<std::vector<std::string>> commands;
    std::vector<Write> writes;  // writes[i] belongs to commands[i]
};

Round MakeRound(int round) {
    Round r;
    for (int pair = 0; pair < 24; ++pair) {
        const Write write{1 + pair % kProfiles, pair / kProfiles, 100 * (10 + round + pair)};
        const std::string profile = std::to_string(write.profile);
        if (pair < 20) {
            r.commands.push_back({"--profile", profile, "set",
                                  "dpi_group" + std::to_string(write.stage) + "_value",
                                  std::to_string(write.dpi)});
        } else {
            r.commands.push_back({"--profile", profile, "dpi", "set",
                                  std::to_string(write.stage + 1), std::to_string(write.dpi)});
        }
        r.writes.push_back(write);
    }
    r.commands.insert(
        r.commands.end(),
        {{"values"}, {"profile", "list"}, {"dpi"}, {"get", "dpi_index"}, {"buttons"}, {"values"}});
    return r;
}

std::string Scalar(const std::string& path, const std::string& sql) {
    SQLiteDB db;
    if (!db.Open(path, kOpenReadOnly)) {
        return "cannot open";
    }
    std::string value = "no row";
    db.Exec(
        sql,
        [](void* out, int, char** values, char**) {
            *static_cast<std::string*>(out) = values[0] != nullptr ? values[0] : "NULL";
            return 0;
        },
        &value);
    return value;
}

void CheckRound(const std::string& data, int round) {
    const Round r = MakeRound(round);
    const std::vector<ProcessResult> results = RunAtOnce(data, r.commands);
    const std::string db = data + "db/Q1_data_rdn.db";
    ASSERT_EQ(Scalar(db, "SELECT COUNT(*) FROM t_profile_data"), "5") << "round " << round;
    ASSERT_EQ(Scalar(db, "SELECT COUNT(*) FROM t_configdata"), "135") << "round " << round;
    ASSERT_EQ(Scalar(db, "SELECT group_concat(profile) FROM t_profile_data WHERE status = 1"), "1");
    for (size_t i = 0; i < results.size(); ++i) {
        const ProcessResult& result = results[i];
        SCOPED_TRACE("round " + std::to_string(round) + ", command " + std::to_string(i) + ": " +
                     result.output);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.output.find("unknown key"), std::string::npos);
        EXPECT_EQ(result.output.find("no profile is active"), std::string::npos);
        EXPECT_EQ(result.output.find("cannot be read"), std::string::npos);
        if (i < r.writes.size() && result.status == 0) {
            const Write& w = r.writes[i];
            EXPECT_EQ(Scalar(db, "SELECT value FROM t_configdata WHERE profile = " +
                                     std::to_string(w.profile) + " AND key = 'dpi_group" +
                                     std::to_string(w.stage) + "_value'"),
                      std::to_string(w.dpi));
        }
    }
}

class ParallelCommandsTest : public ::testing::Test {
  protected:
    IsolatedHome home;
};

TEST_F(ParallelCommandsTest, ThirtyCommandsOnANewFileMakeFiveProfilesAndKeepEveryWrite) {
    for (int round = 0; round < kNewFileRounds; ++round) {
        TempDir data;
        CheckRound(data.path(), round);
        if (HasFatalFailure() || HasFailure()) {
            return;
        }
    }
}

TEST_F(ParallelCommandsTest, ThirtyCommandsOnAnExistingFileKeepFiveProfilesAndEveryWrite) {
    TempDir data;
    ASSERT_EQ(RunOnce(data.path(), {"profile", "list"}).status, 0);
    for (int round = 0; round < kExistingFileRounds; ++round) {
        CheckRound(data.path(), round);
        if (HasFatalFailure() || HasFailure()) {
            return;
        }
    }
}

}  // namespace
}  // namespace quillon::test
