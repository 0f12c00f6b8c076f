#pragma once

#include <string>
#include <vector>

namespace quillon {
class SettingsStore;
}

namespace quillon::cli {

// A button of a profile.
struct ProfileButton {
    int profile = 0;
    int keyCode = 0;
};

// The buttons of profiles 1..5 assigned to run macro `macroId`.
std::vector<ProfileButton> ButtonsRunningMacro(SettingsStore& store, int macroId);

// "profile 1 button 4, profile 2 button 5".
std::string ButtonListText(const std::vector<ProfileButton>& buttons);

}  // namespace quillon::cli
