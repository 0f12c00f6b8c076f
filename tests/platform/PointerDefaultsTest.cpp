#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

constexpr const char* kMouse = "org.gnome.desktop.peripherals.mouse";

// The probe's output under `environment` (arguments of env(1)), each GSettings value given as
// schema, key, value.
Lines RunProbe(const Lines& environment, const Lines& settings) {
    Lines argv{"/usr/bin/env", "-u", "DISPLAY", "-u", "GSETTINGS_SCHEMA_DIR"};
    argv.insert(argv.end(), environment.begin(), environment.end());
    argv.push_back(POINTER_DEFAULTS_PROBE);
    argv.insert(argv.end(), settings.begin(), settings.end());
    test::ChildProcess probe(argv);
    Lines lines;
    while (auto line = probe.ReadLine(10s)) {
        lines.push_back(*line);
    }
    EXPECT_EQ(probe.Wait(10s), 0);
    return lines;
}

TEST(PointerDefaultsTest, OnlyTheSettingsThatDifferFromTheDefaultsAreReset) {
    struct Case {
        Lines settings;
        Lines changed;
    };
    const std::vector<Case> cases = {
        // A faster pointer and the default double-click time: only the speed changes.
        {{kMouse, "speed", "0.5", kMouse, "double-click", "400"}, {"speed"}},
        {{kMouse, "speed", "-0.25", kMouse, "accel-profile", "'flat'", kMouse, "natural-scroll",
          "true", kMouse, "double-click", "250"},
         {"speed", "accel-profile", "natural-scroll", "double-click"}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        Lines expected;
        for (const std::string& key : c.changed) {
            expected.push_back(std::string(kMouse) + " " + key);
        }
        for (const char* value :
             {"speed=0.0", "accel-profile='default'", "natural-scroll=false", "double-click=400"}) {
            expected.push_back(value);
        }
        expected.push_back("end");
        EXPECT_EQ(RunProbe({"GSETTINGS_BACKEND=memory"}, c.settings), expected);
    }
}

TEST(PointerDefaultsTest, WithoutTheDesktopSchemasNothingHappens) {
    test::TempDir empty;
    EXPECT_EQ(RunProbe({"GSETTINGS_BACKEND=memory", "XDG_DATA_DIRS=" + empty.path(),
                        "XDG_DATA_HOME=" + empty.path()},
                       {}),
              Lines{"end"});
}

}  // namespace
}  // namespace quillon
