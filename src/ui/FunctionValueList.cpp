#include "ui/FunctionValueList.h"

#include <algorithm>
#include <vector>

#include "input/EmojiTable.h"
#include "input/FunctionCatalogue.h"
#include "input/LocalizeName.h"
#include "platform/LanguageTable.h"
#include "store/SettingsStore.h"
#include "ui/WindowLanguage.h"
#include "ui/toolkit/EmojiControl.h"
#include "ui/toolkit/MComboBox.h"

namespace quillon {
namespace {

// The offered commands of a table sorted by their place in the dialog.
template <class Table>
std::vector<typename Table::value_type> Offered(const Table& table) {
    std::vector<typename Table::value_type> offered;
    std::copy_if(table.begin(), table.end(), std::back_inserter(offered),
                 [](const auto& command) { return command.dialogPosition > 0; });
    std::sort(offered.begin(), offered.end(),
              [](const auto& a, const auto& b) { return a.dialogPosition < b.dialogPosition; });
    return offered;
}

}  // namespace

void FillValueList(MComboBox& list, int type, SettingsStore& store) {
    list.DelAllItems();
    if (type == kFnMacro) {
        std::vector<MacroHeader> macros;
        store.LoadMacros(macros);
        const LanguageContext language = WindowLanguage();
        for (const MacroHeader& macro : macros) {
            list.AddItem(LocalizeName(macro.name, language), macro.macro_id);
        }
    } else if (type == kFnMultimedia) {
        for (const MultimediaCommand& command : Offered(MultimediaCommands())) {
            list.AddItem(GetText(command.textId), command.value);
        }
    } else if (type == kFnSystem) {
        for (const SystemCommand& command : Offered(SystemCommands())) {
            list.AddItem(GetText(command.textId), command.value);
        }
    }
    list.SetCurSel(list.GetCount() > 0 ? 0 : -1);
}

void FillEmojiPicker(EmojiControl& picker) {
    for (int number = 1; number <= kEmojiCount; ++number) {
        picker.AddItem(number, EmojiPicturePath(number), EmojiPickerHint(number));
    }
}

}  // namespace quillon
