#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/VirtualMouse.h"
#include "protocol/MacroImage.h"
#include "protocol/MacroTransfer.h"
#include "store/SettingsStore.h"
#include "support/EmulatedCli.h"

namespace quillon {
namespace {

class MacroStepsCommandTest : public test::EmulatedCli {};

using test::Has;

// The steps are stored, the apply sends them, and the mouse holds what the macro image
// encoder makes of the stored items.
TEST_F(MacroStepsCommandTest, StepsReachTheMouseAsTheEncoderWritesThem) {
    ASSERT_EQ(Run({"macro", "new"}).status, 0);
    test::CliResult set = Run({"macro", "steps", "1", "+A", "t50", "-A", "+LB", "-LB"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "macro 1 \"Custom 1\" has 5 items now\n");
    test::CliResult shown = Run({"--json", "macro", "show", "1"});
    EXPECT_TRUE(Has(shown.out, R"("type":2,"value":65,)")) << shown.out;
    EXPECT_TRUE(Has(shown.out, R"("desc":" -   50 ms")")) << shown.out;
    ASSERT_EQ(Run({"apply"}).status, 0);

    MacroImage expected;
    {
        SettingsStore store;
        ASSERT_TRUE(store.OpenForDevice(dir.file("data"), "Q1"));
        std::string reason;
        ASSERT_TRUE(BuildMacroImage(LoadMacroSources(store), expected, reason)) << reason;
    }
    VirtualMouse mouse;
    std::string error;
    ASSERT_TRUE(mouse.LoadState(dir.file("mouse.state"), error)) << error;
    const VirtualMouse::MacroImage held = mouse.MacroImageBytes();
    ASSERT_EQ(expected.length, 64u + 4u * 4u);
    EXPECT_TRUE(
        std::equal(expected.bytes.begin(), expected.bytes.begin() + expected.length, held.begin()));
}

TEST_F(MacroStepsCommandTest, ABadStepOrTooManyStoreNothing) {
    ASSERT_EQ(Run({"macro", "new"}).status, 0);
    ASSERT_EQ(Run({"macro", "steps", "1", "+B", "-B"}).status, 0);
    const std::string before = Run({"--json", "macro", "show", "1"}).out;
    test::CliResult bad = Run({"macro", "steps", "1", "+A", "+Hyper", "-A"});
    EXPECT_EQ(bad.status, 64);
    EXPECT_TRUE(Has(bad.err, "step 2 '+Hyper'")) << bad.err;
    std::vector<std::string> many = {"macro", "steps", "1"};
    many.insert(many.end(), 201, "t5");
    test::CliResult tooMany = Run(many);
    EXPECT_EQ(tooMany.status, 64);
    EXPECT_TRUE(Has(tooMany.err, "at most 200 items")) << tooMany.err;
    EXPECT_EQ(Run({"--json", "macro", "show", "1"}).out, before);
    EXPECT_EQ(Run({"macro", "steps", "9", "+A"}).status, 1) << "no macro 9";
    EXPECT_TRUE(Has(Run({"keys"}).out, "\n  LCtrl\n"));
}

}  // namespace
}  // namespace quillon
