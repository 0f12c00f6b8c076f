#pragma once

#include <string>
#include <vector>

#include "input/MacroItems.h"
#include "store/SettingsStore.h"

namespace quillon::test {

// Stores a macro of `events` alternating presses and releases of A; returns its id.
inline int AddKeyMacro(SettingsStore& store, const std::string& name, int events) {
    const int id = store.AddMacro(name);
    std::vector<MacroItem> items(static_cast<size_t>(events));
    for (int i = 0; i < events; ++i) {
        MacroItem& item = items[static_cast<size_t>(i)];
        item.macro_id = id;
        item.type = i % 2 == 0 ? kItemKeyDown : kItemKeyUp;
        item.record_index = i;
        item.value = 0x41;
    }
    store.InsertMacroItems(items);
    return id;
}

}  // namespace quillon::test
