#include "store/MacroExchangeFile.h"

#include "store/MacroFile.h"

namespace quillon {
std::string ExportMacroFile(SettingsStore& store, int macroId, std::string_view name,
                            const std::string& folder, std::uint32_t tick, std::string& reason) {
    MacroFileContent content;
    if (!store.GetMacro(macroId, content.header)) {
        reason = "there is no macro " + std::to_string(macroId);
        return {};
    }
    content.header.name = std::string(name);
    store.LoadMacroItems(macroId, content.items);
    const std::string path = MacroFilePath(folder, name, tick);
    return WriteMacroFile(path, content, reason) ? path : std::string();
}

int ImportMacroFile(SettingsStore& store, const std::string& path, std::string& reason) {
    MacroFileContent content;
    if (!ReadMacroFile(path, content, reason)) {
        return 0;
    }
    int macroId = 0;
    bool full = false;
    // Counted, inserted with its steps, in one transaction: never a macro without the steps it
    // came with, never a 33rd macro from two imports at once.
    const bool stored = store.InOneTransaction([&] {
        std::vector<MacroHeader> macros;
        full = store.LoadMacros(macros) >= kMaxMacros;
        if (full) {
            return;
        }
        macroId = store.InsertMacro(content.header);
        if (macroId <= 0) {
            return;
        }
        for (MacroItem& item : content.items) {
            item.macro_id = macroId;
        }
        store.InsertMacroItems(content.items);
    });
    if (stored && full) {
        reason = "the mouse holds at most " + std::to_string(kMaxMacros) +
                 " macros and that many exist; delete one first";
        return 0;
    }
    if (!stored || macroId <= 0) {
        reason = "the settings database did not take the macro (" +
                 SettingsStore::DescribeFailure(store.LastFailure()) + "); nothing was stored";
        return 0;
    }
    return macroId;
}

}  // namespace quillon
