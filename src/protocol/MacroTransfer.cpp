#include "protocol/MacroTransfer.h"

namespace quillon {

std::vector<MacroSource> LoadMacroSources(SettingsStore& store) {
    std::vector<MacroHeader> headers;
    store.LoadMacros(headers);
    std::vector<MacroSource> macros;
    macros.reserve(headers.size());
    for (MacroHeader& header : headers) {
        MacroSource source;
        source.header = std::move(header);
        store.LoadMacroItems(source.header.macro_id, source.items);
        macros.push_back(std::move(source));
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
