// The button page's profile file exchange: the file dialogs around the exchange file.
#include <algorithm>

#include "platform/LanguageTable.h"
#include "store/ProfileExchangeFile.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/pages/ButtonPage.h"
#include "ui/pages/ButtonPageIds.h"

namespace quillon {

using namespace button_page;

namespace {

constexpr const char* kImportFilter = "MouseKey (*.xml)";
constexpr const char* kExportFilter = "Profile (*.xml)";

// The proposed file name: the profile's name with the characters a file name cannot hold
// replaced.
std::string DefaultFileName(std::string name) {
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '/' || c == '\\' || c == ':'; }, '_');
    return (name.empty() ? std::string("profile") : name) + ".xml";
}

}  // namespace

void ButtonPage::ImportProfile() {
    const std::string path = AskOpenFileName(&Host().Dialog(), GetText(kImportText), kImportFilter);
    if (path.empty()) {
        return;
    }
    std::string reason;
    std::vector<int> withoutMacro;
    if (!ImportProfileFile(Host().Store(), Host().ActiveProfile(), path, reason, withoutMacro)) {
        Host().ShowMessageText(kImportText, GetText(kImportRefusedText) + "\n" + reason,
                               kMessageBoxOk);
        return;
    }
    if (!withoutMacro.empty()) {
        // The file came without its macros: say which buttons play one that is not here.
        std::string buttons;
        for (int keyCode : withoutMacro) {
            buttons += (buttons.empty() ? "" : ", ") + std::to_string(keyCode);
        }
        Host().ShowMessageText(kImportText, GetText(kButtonsWithoutMacroText) + " " + buttons,
                               kMessageBoxOk);
    }
    Host().Enqueue(DeviceTask::SwitchProfile);
}

void ButtonPage::ExportProfile(int profile) {
    const std::string name = ProfileName(profile);
    const std::string path = AskSaveFileName(&Host().Dialog(), GetText(kExportText), kExportFilter,
                                             DefaultFileName(name));
    if (path.empty()) {
        return;
    }
    std::string reason;
    if (!ExportProfileFile(Host().Store(), profile, name, path, reason)) {
        Host().ShowMessageText(kExportText, GetText(kExportFailedText) + "\n" + reason,
                               kMessageBoxOk);
    }
}

}  // namespace quillon
