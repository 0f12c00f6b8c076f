#include "cli/EnglishTexts.h"

#include <array>
#include <string_view>
#include <utility>

#include "platform/LanguageChoice.h"

namespace quillon::cli {
namespace {

constexpr auto kTexts = std::to_array<std::pair<int, std::string_view>>({
    {31, "Copy"},
    {32, "Paste"},
    {36, "Cut"},
    {90, "Device function 55"},
    {91, "Device function AA"},
    {111, "Left button (second code)"},
    {121, "Left button"},
    {122, "Right button"},
    {123, "Middle button"},
    {124, "Forward"},
    {125, "Backward"},
    {126, "Left button (second code)"},
    {127, "Wheel up"},
    {128, "Wheel down"},
    {129, "Reserved 13"},
    {130, "Reserved 14"},
    {150, "DPI up"},
    {151, "DPI down"},
    {152, "DPI cycle"},
    {153, "Setting 2 up"},
    {154, "Setting 2 down"},
    {155, "Setting 2 cycle"},
    {156, "Device function 61"},
    {160, "Keyboard"},
    {161, "Macro"},
    {162, "Disabled"},
    {163, "Multimedia"},
    {164, "System"},
    {175, "Volume up"},
    {176, "Volume down"},
    {177, "Mute"},
    {178, "Media player"},
    {179, "Play/Pause"},
    {180, "Previous track"},
    {181, "Next track"},
    {182, "Stop"},
    {185, "Brightness up"},
    {186, "Brightness down"},
    {187, "Calculator"},
    {188, "Show desktop"},
    {189, "File explorer"},
    {190, "Browser home"},
    {191, "E-mail"},
    {192, "Refresh"},
    {193, "Switch window"},
    {194, "Screenshot"},
    {351, "Custom"},
    {800, "Profile 1"},
    {801, "Profile 2"},
    {811, "Profile 3"},
    {821, "Profile 4"},
    {831, "Profile 5"},
});

}  // namespace

std::string EnglishText(int textId) {
    for (const auto& [id, text] : kTexts) {
        if (id == textId) {
            return std::string(text);
        }
    }
    return {};
}

LanguageContext EnglishLanguage() {
    return {kLanguageEnglishUs, EnglishText};
}

}  // namespace quillon::cli
