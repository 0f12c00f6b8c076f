#include "cli/MacroUsers.h"

#include "input/FunctionCatalogue.h"
#include "protocol/ButtonTransfer.h"
#include "store/SettingsStore.h"

namespace quillon::cli {

std::vector<ProfileButton> ButtonsRunningMacro(SettingsStore& store, int macroId) {
    std::vector<ProfileButton> buttons;
    for (int profile = 1; profile <= kWrittenProfiles; ++profile) {
        std::vector<KeyAssignment> rows;
        store.LoadKeyAssignments(profile, rows);
        for (const KeyAssignment& row : rows) {
            if (row.macro_type == kFnMacro && row.macro_value == macroId) {
                buttons.push_back({profile, row.key_code});
            }
        }
    }
    return buttons;
}

std::string ButtonListText(const std::vector<ProfileButton>& buttons) {
    std::string text;
    for (const ProfileButton& button : buttons) {
        text += (text.empty() ? "" : ", ") + std::string("profile ") +
                std::to_string(button.profile) + " button " + std::to_string(button.keyCode);
    }
    return text;
}

}  // namespace quillon::cli
