#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/LowBatteryWatch.h"

namespace quillon {
namespace {

constexpr int kDischarging = 0;
constexpr int kCharging = LowBatteryWatch::kCharging;
constexpr int kUnknown = LowBatteryWatch::kUnknown;

struct Report {
    int level;
    int state;
};

// The levels of the reports that brought a notice.
std::vector<int> Notices(const std::vector<Report>& reports) {
    LowBatteryWatch watch;
    std::vector<int> levels;
    for (const Report& report : reports) {
        if (watch.Report(report.level, report.state)) {
            levels.push_back(report.level);
        }
    }
    return levels;
}

TEST(LowBatteryWatchTest, OneNoticePerDischargeBelowTheMark) {
    struct Case {
        const char* what;
        std::vector<Report> reports;
        std::vector<int> notices;
    };
    const std::vector<Case> cases = {
        {"charged in between",
         {{40, kDischarging},
          {15, kDischarging},
          {12, kDischarging},
          {14, kDischarging},
          {50, kCharging},
          {10, kDischarging}},
         {15, 10}},
        {"charging while low, then unplugged still low",
         {{12, kDischarging}, {10, kCharging}, {11, kDischarging}},
         {12}},
        {"plugged in while low, then charged past the mark",
         {{14, kCharging}, {16, kCharging}, {15, kDischarging}},
         {15}},
        {"16 is not low", {{16, kDischarging}, {16, kDischarging}}, {}},
        // Every device refresh resets the indicator to level 0 of an unknown state.
        {"unknown state", {{0, kUnknown}, {5, kUnknown}, {30, kDischarging}, {0, kUnknown}}, {}},
        {"an unknown report between two low ones",
         {{9, kDischarging}, {0, kUnknown}, {8, kDischarging}},
         {9}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Notices(c.reports), c.notices) << c.what;
    }
}

}  // namespace
}  // namespace quillon
