#include "protocol/MacroTransfer.h"

#include <unordered_map>

namespace quillon {

std::vector<MacroSource> LoadMacroSources(SettingsStore& store) {
    std::vector<MacroHeader> headers;
    store.LoadMacros(headers);
    std::vector<MacroItem> items;
    store.LoadAllMacroItems(items);
    std::unordered_map<int, size_t> indexOf;
    std::vector<MacroSource> macros(headers.size());
    for (size_t i = 0; i < headers.size(); ++i) {
        indexOf.emplace(headers[i].macro_id, i);
        macros[i].header = std::move(headers[i]);
    }
    // Steps of macros that no longer exist have no header and are left out.
    for (MacroItem& item : items) {
        auto found = indexOf.find(item.macro_id);
        if (found != indexOf.end()) {
            macros[found->second].items.push_back(std::move(item));
        }
    }
    return macros;
}

bool SendMacroImage(DeviceManager& device, const MacroImage& image) {
    bool answered = true;
    for (CommandFrame& frame : MacroImageFrames(image)) {
        answered = device.SendCommand(frame) && answered;
    }
    return answered;
}

bool WriteMacros(DeviceManager& device, SettingsStore& store, std::string& reason) {
    MacroImage image;
    if (!BuildMacroImage(LoadMacroSources(store), image, reason)) {
        return false;
    }
    SendMacroImage(device, image);
    return true;
}

}  // namespace quillon
