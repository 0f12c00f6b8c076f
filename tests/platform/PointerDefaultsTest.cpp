#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace quillon {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

constexpr const char* kMouse = "org.gnome.desktop.peripherals.mouse";

// The probe's output under `environment` (arguments of env(1)) with its arguments; without an X
// display unless `launcher` gives one.
Lines RunProbe(const Lines& environment, const Lines& settings, const Lines& launcher = {}) {
    Lines argv = launcher;
    for (const char* word : {"/usr/bin/env", "-u", "GSETTINGS_SCHEMA_DIR"}) {
        argv.push_back(word);
    }
    if (launcher.empty()) {
        argv.insert(argv.end(), {"-u", "DISPLAY"});
    }
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

TEST(PointerDefaultsTest, WithoutGnomeTheXServersAccelerationIsReset) {
    if (!fs::exists("/usr/bin/xvfb-run")) {
        GTEST_SKIP() << "no xvfb-run (Debian package xvfb)";
    }
    test::TempDir empty;
    const Lines withoutSchemas = {"GSETTINGS_BACKEND=memory", "XDG_DATA_DIRS=" + empty.path(),
                                  "XDG_DATA_HOME=" + empty.path()};
    const Lines xvfb = {"/usr/bin/xvfb-run", "-a"};
    EXPECT_EQ(RunProbe(withoutSchemas, {"--x11", "7", "2", "10"}, xvfb),
              (Lines{"x11 pointer-control", "x11=2/1/4", "end"}));
    // Already the server's defaults: left alone.
    EXPECT_EQ(RunProbe(withoutSchemas, {"--x11", "2", "1", "4"}, xvfb),
              (Lines{"x11=2/1/4", "end"}));
}

}  // namespace
}  // namespace quillon
