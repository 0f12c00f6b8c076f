#include <gtest/gtest.h>

#include "input/InputCapture.h"
#include "input/MacroItems.h"
#include "input/MacroRecorder.h"
#include "input/RawInputReader.h"

namespace quillon {
namespace {

RawInput Key(int virtualKey, bool up, std::string name, std::uint32_t time = 0) {
    RawInput raw;
    raw.device = RawInput::Device::Keyboard;
    raw.virtualKey = virtualKey;
    raw.keyUp = up;
    raw.layoutName = std::move(name);
    raw.time = time;
    return raw;
}

RawInput Mouse(unsigned flags, std::uint32_t time = 0) {
    RawInput raw;
    raw.device = RawInput::Device::Mouse;
    raw.buttonFlags = flags;
    raw.time = time;
    return raw;
}

std::vector<std::string> Texts(const std::vector<MacroItem>& items) {
    std::vector<std::string> texts;
    for (const MacroItem& item : items) {
        texts.push_back(item.desc);
    }
    return texts;
}

TEST(RawInputReader, OneReportWithSeveralTransitionsNamesTheFirstInTheButtonOrder) {
    struct Case {
        unsigned flags;
        const char* name;
        int code;
        bool up;
    };
    const Case cases[] = {
        {kRawLeftDown | kRawRightDown, "LB", kMouseLeft, false},
        {kRawRightDown | kRawMiddleDown, "MB", kMouseMiddle, false},
        {kRawLeftUp | kRawRightDown, "RB", kMouseRight, false},
        {kRawLeftUp | kRawMiddleUp, "LB", kMouseLeft, true},
        {kRawRightUp | kRawButton4Down, "RB", kMouseRight, true},
        {kRawButton4Up | kRawButton5Down, "Backward", kMouseBackward, true},
        {kRawButton5Down | kRawButton5Up, "Forward", kMouseForward, false},
        {kRawButton5Up, "Forward", kMouseForward, true},
    };
    for (const Case& c : cases) {
        RawInputReader reader;
        const InputEvent event = reader.DecodeRawInput(Mouse(c.flags));
        EXPECT_EQ(event.kind, InputEvent::kMouse);
        EXPECT_EQ(event.name, c.name) << std::hex << c.flags;
        EXPECT_EQ(event.code, c.code) << std::hex << c.flags;
        EXPECT_EQ(event.up, c.up) << std::hex << c.flags;
    }
    RawInputReader reader;
    EXPECT_EQ(reader.DecodeRawInput(Mouse(kRawWheel)).name, "") << "the wheel names nothing";
    EXPECT_EQ(reader.DecodeRawInput(Mouse(0)).name, "") << "nor does motion";
    RawInput other;
    EXPECT_EQ(reader.DecodeRawInput(other).kind, InputEvent::kOtherDevice);
}

TEST(RawInputReader, AHeldKeyRepeatsAsNothingUntilItsRelease) {
    RawInputReader reader;
    EXPECT_EQ(reader.DecodeRawInput(Key(0x41, false, "A")).kind, InputEvent::kKeyboard);
    EXPECT_EQ(reader.DecodeRawInput(Key(0x41, false, "A")).kind, InputEvent::kNothing);
    EXPECT_EQ(reader.DecodeRawInput(Key(0x42, false, "B")).kind, InputEvent::kKeyboard)
        << "another key is not a repeat";
    const InputEvent release = reader.DecodeRawInput(Key(0x41, true, "A"));
    EXPECT_EQ(release.kind, InputEvent::kKeyboard);
    EXPECT_TRUE(release.up);
    EXPECT_EQ(reader.DecodeRawInput(Key(0x41, false, "A")).kind, InputEvent::kKeyboard)
        << "pressed again after the release";

    RawInput rightCtrl = Key(0x11, false, "Ctrl");
    rightCtrl.prefixed = true;
    const InputEvent ctrl = reader.DecodeRawInput(rightCtrl);
    EXPECT_EQ(ctrl.code, 0xA3);
    EXPECT_EQ(ctrl.name, "RCtrl");
    RawInput leftCtrl = Key(0x11, false, "Ctrl");
    EXPECT_EQ(reader.DecodeRawInput(leftCtrl).kind, InputEvent::kKeyboard)
        << "the two Ctrl keys are held apart";
}

// Decodes and records as the page does.
struct Recording {
    explicit Recording(MacroRecorder::PauseMode mode, int fixedPause = 10,
                       std::vector<MacroItem> before = {})
        : items(std::move(before)) {
        recorder.Start(mode, fixedPause, 5000);
    }
    MacroRecorder::Outcome Feed(const RawInput& raw, bool onButton = false) {
        const InputEvent event = reader.DecodeRawInput(raw);
        if (event.name.empty()) {
            return MacroRecorder::Outcome::Ignored;
        }
        return recorder.RecordEvent(event, onButton, items);
    }
    RawInputReader reader;
    MacroRecorder recorder;
    std::vector<MacroItem> items;
};

TEST(MacroRecorder, FixedPauseGoesBeforeEveryEventWithRisingStamps) {
    Recording r(MacroRecorder::PauseMode::Fixed, 10);
    r.Feed(Key(0x41, false, "A"));
    r.Feed(Key(0x41, false, "A"));
    r.Feed(Key(0x41, true, "A"));
    EXPECT_EQ(Texts(r.items),
              (std::vector<std::string>{" -   10 ms", "↓  A", " -   10 ms", "↑  A"}));
    EXPECT_EQ(r.items[0].type, kItemPause);
    EXPECT_EQ(r.items[0].value, 10);
    EXPECT_EQ(r.items[1].type, kItemKeyDown);
    EXPECT_EQ(r.items[1].value, 0x41);
    EXPECT_EQ(r.items[3].type, kItemKeyUp);
    for (size_t i = 0; i < r.items.size(); ++i) {
        EXPECT_EQ(r.items[i].delay_time, 5001 + static_cast<int>(i));
    }
}

TEST(MacroRecorder, MeasuredPausesStartAfterTheFirstEventAndStopAtFifteenSeconds) {
    Recording r(MacroRecorder::PauseMode::Measured);
    r.Feed(Mouse(kRawLeftDown, 1000));
    r.Feed(Mouse(kRawLeftUp, 1120));
    r.Feed(Mouse(kRawRightDown, 40000));
    r.Feed(Mouse(kRawRightUp, 40000));
    EXPECT_EQ(Texts(r.items), (std::vector<std::string>{"↓  LB", " -   120 ms", "↑  LB",
                                                        " -   15000 ms", "↓  RB", "↑  RB"}))
        << "no pause item for 0 ms";
    EXPECT_EQ(r.items[1].value, 120);
    EXPECT_EQ(r.items[0].type, kItemMouseDown);
    EXPECT_EQ(r.items[2].type, kItemMouseUp);
    EXPECT_EQ(r.items[4].value, kMouseRight);

    Recording none(MacroRecorder::PauseMode::None);
    none.Feed(Key(0x20, false, "Space", 10));
    none.Feed(Key(0x20, true, "Space", 900));
    EXPECT_EQ(Texts(none.items), (std::vector<std::string>{"↓  Space", "↑  Space"}));
}

TEST(MacroRecorder, ClicksOnTheRecordButtonAndEventsWithoutANameAddNothing) {
    Recording r(MacroRecorder::PauseMode::Fixed, 10);
    EXPECT_EQ(r.Feed(Mouse(kRawLeftDown), true), MacroRecorder::Outcome::Ignored);
    EXPECT_EQ(r.Feed(Mouse(kRawWheel)), MacroRecorder::Outcome::Ignored);
    EXPECT_EQ(r.Feed(Mouse(0)), MacroRecorder::Outcome::Ignored);
    EXPECT_TRUE(r.items.empty());
    EXPECT_EQ(r.Feed(Key(0x41, false, "A"), true), MacroRecorder::Outcome::Added)
        << "keys are recorded wherever the pointer is";
}

std::vector<MacroItem> Filler(int count) {
    std::vector<MacroItem> items(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        items[static_cast<size_t>(i)].desc = "old";
        items[static_cast<size_t>(i)].type = kItemPause;
    }
    return items;
}

TEST(MacroRecorder, TheTwoHundredthItemEndsTheRecording) {
    {
        Recording r(MacroRecorder::PauseMode::Fixed, 10, Filler(197));
        EXPECT_EQ(r.Feed(Key(0x41, false, "A")), MacroRecorder::Outcome::Added);
        EXPECT_EQ(r.items.size(), 199u);
        EXPECT_EQ(r.Feed(Key(0x41, true, "A")), MacroRecorder::Outcome::LimitReached);
        EXPECT_EQ(r.items.size(), 200u) << "the pause that reached the limit, without its event";
        EXPECT_EQ(r.items.back().type, kItemPause);
    }
    {
        Recording r(MacroRecorder::PauseMode::None, 10, Filler(199));
        EXPECT_EQ(r.Feed(Key(0x41, false, "A")), MacroRecorder::Outcome::LimitReached);
        EXPECT_EQ(r.items.back().desc, "↓  A");
    }
    {
        // A macro that was full before the recording takes nothing more.
        Recording r(MacroRecorder::PauseMode::Fixed, 10, Filler(200));
        EXPECT_EQ(r.Feed(Key(0x41, false, "A")), MacroRecorder::Outcome::LimitReached);
        EXPECT_EQ(r.items.size(), 200u);
    }
}

TEST(InputCapture, KeyCaptureTakesTheLastKeyAndInputWithoutAReaderIsIgnored) {
    // Without a desktop source the reports are put into the buffer by hand.
    InputCapture capture(nullptr, [](std::uintptr_t) {});
    auto emit = [&capture](const RawInput& raw) { return capture.Buffer().Put(raw); };

    capture.BeginKeyCapture();
    EXPECT_EQ(capture.CaptureMode(), InputCapture::kKeyCapture);
    RawInput rightShift = Key(0x10, false, "Shift");
    rightShift.makeCode = 0x36;
    const std::uintptr_t handle = emit(rightShift);
    EXPECT_TRUE(capture.OnRawInput(handle, {}).keyCaptured);
    EXPECT_FALSE(capture.OnRawInput(handle, {}).keyCaptured) << "a handle is read once";
    EXPECT_FALSE(capture.OnRawInput(emit(Mouse(kRawLeftDown)), {}).keyCaptured);
    const CapturedKey key = capture.EndKeyCapture();
    EXPECT_EQ(key.code, 0xA1);
    EXPECT_EQ(key.name, "RShift");
    EXPECT_EQ(capture.CaptureMode(), InputCapture::kIdle);

    // A report that arrives after the reader is gone.
    capture.BeginKeyCapture();
    const std::uintptr_t late = emit(Key(0x42, false, "B"));
    capture.EndKeyCapture();
    EXPECT_FALSE(capture.OnRawInput(late, {}).keyCaptured);
    EXPECT_EQ(capture.CapturedKeyNow().code, 0);
}

TEST(InputCapture, RecordingAppendsToTheListItWasGivenAndHandsItBack) {
    InputCapture capture(nullptr, [](std::uintptr_t) {});
    auto emit = [&capture](const RawInput& raw) { return capture.Buffer().Put(raw); };
    capture.StartRecording(Filler(2), MacroRecorder::PauseMode::None, 0, 100);
    bool asked = false;
    const InputCapture::Outcome outcome =
        capture.OnRawInput(emit(Mouse(kRawMiddleDown)), [&asked](int, int) {
            asked = true;
            return false;
        });
    EXPECT_TRUE(asked);
    EXPECT_EQ(outcome.itemsAdded, 1);
    const std::vector<MacroItem> items = capture.StopRecording();
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"old", "old", "↓  MB"}));
    EXPECT_EQ(items.back().delay_time, 101);
}

TEST(InputCapture, TheAssignmentDialogsCaptureLeavesTheModifierKeysOut) {
    InputCapture capture(nullptr, [](std::uintptr_t) {});
    capture.BeginKeyCapture(InputCapture::Keys::NoModifiers);
    RawInput leftShift = Key(0x10, false, "Shift");
    leftShift.makeCode = 0x2A;
    for (const RawInput& raw : {leftShift, Key(0x11, false, "Ctrl"), Key(0x12, false, "Alt"),
                                Key(0x5B, false, "Win"), Key(0x5D, false, "Menu")}) {
        EXPECT_FALSE(capture.OnRawInput(capture.Buffer().Put(raw), {}).keyCaptured)
            << raw.virtualKey;
    }
    EXPECT_EQ(capture.CapturedKeyNow().code, 0) << "Shift alone leaves the key as it was";
    EXPECT_TRUE(capture.OnRawInput(capture.Buffer().Put(Key(0x70, false, "F1")), {}).keyCaptured);
    EXPECT_EQ(capture.EndKeyCapture().name, "F1");

    capture.BeginKeyCapture();
    EXPECT_TRUE(capture.OnRawInput(capture.Buffer().Put(leftShift), {}).keyCaptured)
        << "the macro editor takes every key";
    EXPECT_EQ(capture.EndKeyCapture().name, "LShift");
}

}  // namespace
}  // namespace quillon
