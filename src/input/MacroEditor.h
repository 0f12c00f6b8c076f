#pragma once

#include <functional>
#include <string>
#include <vector>

#include "input/LanguageContext.h"
#include "input/MacroItemList.h"
#include "input/MacroNotices.h"
#include "store/Records.h"

namespace quillon {

class SettingsStore;

// The macro operations of the macro page: creating, copying, renaming and deleting macros, and
// storing a macro's items and play settings. Each operation writes its result to the database
// at once; refusals go through the notices.
class MacroEditor {
  public:
    using Clock = std::function<int()>;

    // `clock` gives the time stamps of inserted items; the system tick count by default.
    MacroEditor(SettingsStore& store, MacroNotices& notices, LanguageContext language,
                Clock clock = {});

    // A new empty macro named "<text 351> <count + 1>"; 0 when 32 macros exist (with a notice)
    // or the database refused it.
    int NewMacro();
    // A copy of a macro with its items, named "<stored name> <text 31>"; 0 when 32 macros exist
    // (with a notice), when nothing is selected (id 0 or less) or on failure.
    int CopyMacro(int sourceId);
    // Deletes the macro and its items. Button assignments naming it stay as they are.
    bool DeleteMacro(int macroId);
    // Renames a macro and the assignment texts of the active profile's buttons that run it; an
    // empty text keeps the stored name. Returns the name the macro has afterwards.
    std::string RenameMacro(int macroId, const std::string& text, int activeProfile);

    // Replaces the macro's items by the list's, record_index = list position.
    bool SaveItems(int macroId, const std::vector<MacroItem>& items);
    // Rewrites the play settings of header.macro_id, keeping the stored name.
    bool SaveHeader(const MacroHeader& header);

    // Inserts into the list and saves it; refused with a notice when the list is full.
    bool InsertItem(MacroItemList& list, int macroId, MacroItemList::Insertion what);

  private:
    int MacroCount();

    SettingsStore& store_;
    MacroNotices& notices_;
    LanguageContext language_;
    Clock clock_;
};

// The header the pause and loop editors describe: `delayType` 0 none, 1 measured, 2 fixed with
// the pause field's text; `playType` 1 or 2 the repeat modes, 0 a count from the count field.
// Empty fields count as 10 ms and 1 time; both are limited as their editors limit them.
MacroHeader HeaderFromEditors(int macroId, int delayType, const std::string& pauseField,
                              int playType, const std::string& countField);

}  // namespace quillon
