#include <gtest/gtest.h>

#include "emulator/VirtualMouse.h"
#include "emulator/VirtualMouseStateFile.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

VirtualFirmwareState Changed() {
    VirtualFirmwareState state = VirtualFirmwareState::FactoryDefaults();
    state.currentProfile = 4;
    state.batteryLevel = 33;
    state.chargeState = 1;
    state.firmwareDigits = "207";
    state.featureVersion = "V2.0.7-beta";
    state.performance[5][10] = 0x99;
    state.buttons[3][0] = 0x70;
    state.macroImage[4223] = 0xEE;
    return state;
}

TEST(VirtualMouseStateFile, KeepsEveryByteAcrossSaveAndLoad) {
    test::TempDir dir;
    const std::string path = dir.file("mouse.state");
    std::string error;
    ASSERT_TRUE(SaveVirtualMouseState(Changed(), path, error)) << error;
    VirtualFirmwareState loaded;
    ASSERT_TRUE(LoadVirtualMouseState(path, loaded, error)) << error;
    EXPECT_EQ(loaded, Changed());
    EXPECT_EQ(dir.read("mouse.state").rfind("quillon-virtual-mouse 1\n", 0), 0u);

    VirtualMouse mouse;
    ASSERT_TRUE(mouse.LoadState(path, error));
    EXPECT_EQ(mouse.CurrentProfile(), 4);
    EXPECT_EQ(mouse.BatteryLevel(), 33);
}

TEST(VirtualMouseStateFile, RefusesAnythingButACompleteFile) {
    const std::string good = FormatVirtualMouseState(Changed());
    auto replaceLine = [&good](const std::string& key, const std::string& line) {
        std::string text = good;
        std::size_t start = text.find("\n" + key) + 1;
        std::size_t end = text.find('\n', start);
        return text.replace(start, end - start, line);
    };
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"another file", "hello\n"},
        {"newer version", "quillon-virtual-mouse 2\n" + good.substr(good.find('\n') + 1)},
        {"missing macro image", good.substr(0, good.find("macro-image"))},
        {"bad hex", replaceLine("buttons 0", "buttons 0 " + std::string(72, 'g'))},
        {"short hex", replaceLine("buttons 0", "buttons 0 00")},
        {"profile out of range", replaceLine("buttons 0", "buttons 6 " + std::string(72, '0'))},
        {"duplicate line", good + "battery 1 1\n"},
        {"unknown key", good + "colour red\n"},
        {"battery out of range", replaceLine("battery", "battery 300 0")},
        {"negative profile", replaceLine("current-profile", "current-profile -1")},
        {"version text too long",
         replaceLine("feature-version", "feature-version " + std::string(19, 'x'))},
        {"extra word", replaceLine("firmware-digits", "firmware-digits 1 2")},
    };
    for (const Case& c : cases) {
        VirtualFirmwareState state = VirtualFirmwareState::FactoryDefaults();
        std::string error;
        EXPECT_FALSE(ParseVirtualMouseState(c.text, state, error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
        EXPECT_EQ(state, VirtualFirmwareState::FactoryDefaults()) << c.name << ": left untouched";
    }
    VirtualFirmwareState state;
    std::string error;
    EXPECT_TRUE(ParseVirtualMouseState(good, state, error)) << error;
}

TEST(VirtualMouseStateFile, MissingUnwritableOrHugeFilesFailCleanly) {
    test::TempDir dir;
    VirtualFirmwareState state;
    std::string error;
    EXPECT_FALSE(LoadVirtualMouseState(dir.file("none"), state, error));
    EXPECT_NE(error.find("none"), std::string::npos);
    EXPECT_FALSE(SaveVirtualMouseState(state, dir.file("no/such/folder/state"), error));
    dir.write("huge", std::string(1 << 20, 'a'));
    EXPECT_FALSE(LoadVirtualMouseState(dir.file("huge"), state, error));
}

}  // namespace
}  // namespace quillon
