#include "input/MacroEditor.h"

#include <utility>

#include "input/FunctionCatalogue.h"
#include "input/LocalizeName.h"
#include "platform/NumberText.h"
#include "platform/TickCount.h"
#include "store/SettingsStore.h"

namespace quillon {

MacroEditor::MacroEditor(SettingsStore& store, MacroNotices& notices, LanguageContext language,
                         Clock clock)
    : store_(store), notices_(notices), language_(std::move(language)), clock_(std::move(clock)) {
    if (!clock_) {
        clock_ = [] { return static_cast<int>(TickCount()); };
    }
}

int MacroEditor::MacroCount() {
    std::vector<MacroHeader> macros;
    return store_.LoadMacros(macros);
}

int MacroEditor::NewMacro() {
    const int count = MacroCount();
    if (count >= kMaxMacros) {
        notices_.ShowNotice(kNewMacroTitleTextId, kMacroLimitTextId);
        return 0;
    }
    MacroHeader header;
    header.name = language_.Text(kCustomWordTextId) + " " + std::to_string(count + 1);
    header.play_type = 0;
    header.play_times = 1;
    header.delay_type = 1;
    header.delay_time = 0;
    return store_.InsertMacro(header);
}

int MacroEditor::CopyMacro(int sourceId) {
    if (MacroCount() >= kMaxMacros) {
        notices_.ShowNotice(kCopyMacroTitleTextId, kMacroLimitTextId);
        return 0;
    }
    if (sourceId <= 0) {
        return 0;
    }
    MacroHeader header;
    if (!store_.GetMacro(sourceId, header)) {
        return 0;
    }
    header.name += " " + language_.Text(kCopyWordTextId);
    int copyId = 0;
    // One transaction: a copy has all of its source's steps or does not exist.
    const bool copied = store_.InOneTransaction([&] {
        copyId = store_.InsertMacro(header);
        if (copyId <= 0) {
            return;
        }
        std::vector<MacroItem> items;
        store_.LoadMacroItems(sourceId, items);
        for (MacroItem& item : items) {
            item.macro_id = copyId;
        }
        store_.InsertMacroItems(items);
    });
    return copied ? copyId : 0;
}

bool MacroEditor::DeleteMacro(int macroId) {
    return macroId > 0 && store_.RemoveMacro(macroId);
}

std::string MacroEditor::RenameMacro(int macroId, const std::string& text, int activeProfile) {
    MacroHeader stored;
    store_.GetMacro(macroId, stored);
    if (text.empty()) {
        return stored.name;
    }
    const bool renamed = store_.InOneTransaction([&] {
        std::vector<KeyAssignment> rows;
        store_.LoadKeyAssignments(activeProfile, rows);
        for (const KeyAssignment& row : rows) {
            if (row.macro_type == kFnMacro && row.macro_value == macroId) {
                store_.SetKeyDescription(activeProfile, row.key_code, text);
            }
        }
        store_.SetMacroName(macroId, text);
    });
    return renamed ? text : stored.name;
}

bool MacroEditor::SaveItems(int macroId, const std::vector<MacroItem>& items) {
    std::vector<MacroItem> rows = items;
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].macro_id = macroId;
        rows[i].record_index = static_cast<int>(i);
    }
    // One transaction: the old steps stay when the new ones cannot be stored.
    return store_.InOneTransaction([&] {
        if (store_.DeleteMacroItems(macroId)) {
            store_.InsertMacroItems(rows);
        }
    });
}

bool MacroEditor::SaveHeader(const MacroHeader& header) {
    MacroHeader stored;
    if (!store_.GetMacro(header.macro_id, stored)) {
        return false;
    }
    MacroHeader updated = header;
    updated.name = stored.name;
    return store_.UpdateMacro(header.macro_id, updated);
}

bool MacroEditor::InsertItem(MacroItemList& list, int macroId, MacroItemList::Insertion what) {
    if (!list.Insert(what, clock_())) {
        notices_.ShowNotice(kInsertItemTitleTextId, kItemLimitTextId);
        return false;
    }
    return SaveItems(macroId, list.Items());
}

MacroHeader HeaderFromEditors(int macroId, int delayType, const std::string& pauseField,
                              int playType, const std::string& countField) {
    MacroHeader header;
    header.macro_id = macroId;
    header.delay_type = delayType;
    header.play_type = playType;
    header.delay_time =
        delayType == 2 ? LimitMacroPause(ParseLeadingInt(pauseField.empty() ? "10" : pauseField))
                       : 0;
    header.play_times =
        playType == 0 ? LimitLoopCount(ParseLeadingInt(countField.empty() ? "1" : countField)) : 1;
    return header;
}

}  // namespace quillon
