#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/DeviceSession.h"
#include "emulator/VirtualMouseBackend.h"
#include "emulator/VirtualMouseStateFile.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

// The shipped catalogue, whatever folder the test runs from.
const std::string kCatalogue = std::string(QUILLON_SOURCE_DIR) + "/data/config.xml";

// The --json answer when no supported interface is found.
const std::string kNoMouse = R"({"connection_mode":-1,"connection":"none","entries":[]})"
                             "\n";

test::CliResult RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--config", kCatalogue});
    return test::RunCli(args);
}

TEST(DevicesCommand, ListsEveryEntryAndTheActiveConnectionAsJson) {
    const nlohmann::json wired = {{"index", 0},
                                  {"vid", "1915"},
                                  {"pid", "ae1c"},
                                  {"connection_mode", 0},
                                  {"online", true},
                                  {"path", "virtual/hidraw1"},
                                  {"manufacturer", "Quillon"},
                                  {"product", "Quillon Q1 (virtual)"}};
    auto receiver = [](int index, const char* path, bool online) {
        return nlohmann::json{{"index", index},
                              {"vid", "1915"},
                              {"pid", "ae11"},
                              {"connection_mode", 1},
                              {"online", online},
                              {"path", path},
                              {"manufacturer", "Quillon"},
                              {"product", "Quillon 2.4G Receiver (virtual)"}};
    };
    const nlohmann::json bluetooth = {{"index", 0},         {"vid", "1915"},
                                      {"pid", "ae12"},      {"connection_mode", 2},
                                      {"online", true},     {"path", "virtual/hidraw0"},
                                      {"manufacturer", ""}, {"product", ""}};
    struct Case {
        const char* emulate;
        int mode;
        const char* connection;
        nlohmann::json entries;
    };
    const Case cases[] = {
        {"--emulate=wired+receiver", 0, "wired", {wired, receiver(1, "virtual/hidraw3", true)}},
        {"--emulate", 0, "wired", {wired}},
        {"--emulate=receiver-asleep", -1, "none", {receiver(0, "virtual/hidraw1", false)}},
        {"--emulate=bluetooth", 2, "bluetooth", {bluetooth}},
    };
    for (const Case& c : cases) {
        test::CliResult result = RunCli({c.emulate, "--json", "devices"});
        EXPECT_EQ(result.status, 0) << c.emulate << ": " << result.err;
        EXPECT_EQ(nlohmann::json::parse(result.out), (nlohmann::json{{"connection_mode", c.mode},
                                                                     {"connection", c.connection},
                                                                     {"entries", c.entries}}))
            << c.emulate;
    }
}

TEST(DevicesCommand, PrintsATableForPeople) {
    test::CliResult result = RunCli({"--emulate=wired+receiver", "devices"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "#  VID   PID   MODE          ONLINE  PATH             MANUFACTURER  PRODUCT\n"
              "0  1915  ae1c  0 (wired)     1       virtual/hidraw1  Quillon       "
              "Quillon Q1 (virtual)\n"
              "1  1915  ae11  1 (receiver)  1       virtual/hidraw3  Quillon       "
              "Quillon 2.4G Receiver (virtual)\n"
              "Connection mode: 0 (wired)\n");
}

TEST(DevicesCommand, RealHardwareHereHasNoMouse) {
    test::CliResult result = RunCli({"--json", "devices"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, kNoMouse);
    result = RunCli({"devices"});
    EXPECT_EQ(result.out, "No supported mouse found.\nConnection mode: -1 (none)\n");
}

TEST(DevicesCommand, RefusesBadOptions) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"--emulate=usb", "devices"}, "unknown emulated connection 'usb'"},
        {{"--emulate", "devices", "extra"}, "'extra' was not expected; usage: devices"},
    };
    for (const Case& c : cases) {
        test::CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 64) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty());
    }
}

TEST(DevicesCommand, WithoutACatalogueNoMouseIsAccepted) {
    test::TempDir resources;
    setenv("QUILLON_RESOURCE_DIR", resources.path().c_str(), 1);
    test::CliResult result = test::RunCli({"--emulate", "--json", "devices"});
    unsetenv("QUILLON_RESOURCE_DIR");
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.err.find("warning: cannot read the device catalogue"), std::string::npos);
    EXPECT_EQ(result.out, kNoMouse);

    // One the user named must be read.
    result =
        test::RunCli({"--emulate", "--config", "/nonexistent/config.xml", "--json", "devices"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("cannot read the device catalogue: /nonexistent/config.xml"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(test::ParsedOut(result)["code"], 1) << "the failure is answered in JSON too";
}

TEST(DevicesCommand, VirtualMouseKeepsItsStateInTheNamedFile) {
    test::TempDir dir;
    const std::string file = dir.file("mouse, state");
    ASSERT_EQ(RunCli({"--emulate=wired,state=" + file, "devices"}).status, 0);
    VirtualFirmwareState saved;
    std::string error;
    ASSERT_TRUE(LoadVirtualMouseState(file, saved, error)) << error;
    EXPECT_EQ(saved, VirtualFirmwareState::FactoryDefaults());

    std::ostringstream out;
    std::ostringstream err;
    {
        cli::CliContext context{{}, out, err};
        context.options.configFile = kCatalogue;
        context.options.emulate = true;
        context.options.emulateSpec = "state=" + file;
        cli::DeviceSession session(context);
        ASSERT_EQ(session.Open(), 0);
        session.Emulator()->PressDpiButton();
    }
    ASSERT_TRUE(LoadVirtualMouseState(file, saved, error)) << error;
    EXPECT_EQ(VirtualPerformance::Decode(saved.performance[0]).stage, 2);

    dir.write("broken", "quillon-virtual-mouse 1\nbattery lots\n");
    test::CliResult result = RunCli({"--emulate=state=" + dir.file("broken"), "devices"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("line 2"), std::string::npos) << result.err;
    EXPECT_EQ(dir.read("broken"), "quillon-virtual-mouse 1\nbattery lots\n") << "not overwritten";
}

TEST(DevicesCommand, NamesTheUdevRuleWhenTheMouseMayNotBeOpened) {
    VirtualMouse mouse;
    mouse.Connect({});
    mouse.DenyAccess(true);
    std::ostringstream out;
    std::ostringstream err;
    cli::CliContext context{{}, out, err};
    context.options.configFile = kCatalogue;
    cli::DeviceSession session(context, std::make_unique<VirtualMouseBackend>(mouse));
    ASSERT_EQ(session.Open(), 0);
    EXPECT_FALSE(session.Status().present);
    const std::string problem = session.PermissionProblem();
    EXPECT_NE(problem.find("no permission to open " + mouse.CommandPath(0)), std::string::npos);
    EXPECT_NE(problem.find("70-quillon-mouse.rules"), std::string::npos);

    mouse.DenyAccess(false);
    session.Refresh();
    EXPECT_TRUE(session.PermissionProblem().empty());
    EXPECT_TRUE(session.Status().connected);
}

}  // namespace
}  // namespace quillon
