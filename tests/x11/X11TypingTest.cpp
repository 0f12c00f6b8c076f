#include <gtest/gtest.h>

#include <chrono>

#include "platform/Utf16.h"
#include "platform/x11/X11EventThread.h"
#include "platform/x11/XTestTyper.h"
#include "protocol/CommandSet.h"
#include "protocol/RecordingHost.h"
#include "store/SettingsStore.h"
#include "support/QtInput.h"
#include "support/TempDir.h"
#include "support/VirtualMouseRig.h"
#include "x11/XTestInput.h"

namespace quillon {
namespace {

std::string Utf8(const std::u32string& text) {
    std::string out;
    for (char32_t c : text) {
        AppendUtf8(out, c);
    }
    return out;
}

// The virtual mouse's emoji button, the device commands' notification poll and the X typer,
// typing into another program's window.
class X11TypingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!X11InputAvailable()) {
            GTEST_SKIP() << "no X server with XInput 2 and XTest";
        }
        ASSERT_TRUE(typer.Available());
        store.OpenForDevice(dir.path(), "TestMouse");
        host.profile = store.EnsureDefaultProfiles();
        host.present = devices.Refresh().present;
        focus.Focus();
    }

    void PressEmoji(int number) {
        devices.mouse.PressEmojiButton(static_cast<std::uint8_t>(number), 0x60);
        commands.PollNotifications([] { return false; });
        devices.clock.Advance(std::chrono::milliseconds(1000));
    }

    test::TempDir dir;
    SettingsStore store;
    test::VirtualMouseRig devices{test::Wired()};
    test::RecordingHost host;
    TaskQueue queue;
    XTestTyper typer;
    CommandSet commands{devices.manager, store, host, queue, typer};
    test::XTestInput input;
    test::FocusWindow focus;
};

TEST_F(X11TypingTest, TheEmojiButtonTypesItsCodeAndLeavesTheKeyboardAsItWas) {
    const std::vector<unsigned long> before = input.KeyboardMapping();
    PressEmoji(1);
    EXPECT_TRUE(test::WaitUntil([this] { return focus.Typed() == U"[微笑]"; }))
        << Utf8(focus.Typed());
    EXPECT_EQ(input.KeyboardMapping(), before);

    PressEmoji(0);
    PressEmoji(110);
    PressEmoji(64);
    EXPECT_TRUE(test::WaitUntil([this] { return focus.Typed() == U"[微笑][Emm]"; }))
        << "numbers outside 1 to 109 type nothing: " << Utf8(focus.Typed());
    EXPECT_EQ(input.KeyboardMapping(), before);
}

}  // namespace
}  // namespace quillon
