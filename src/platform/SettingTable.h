#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// How a stored setting reads in the units a user knows.
enum class SettingUnit {
    Number,          // as stored
    Dpi,             // "1600 DPI"
    Colour,          // "#RRGGBB"; stored with red in the low byte
    Stage,           // stored 0..5, shown as stage 1..6
    ReportRate,      // stored code 1..4: 125, 250, 500, 1000 Hz
    Millimetres,     // lift-off: stored 1 or 2, "1 mm" or "2 mm"
    Minutes,         // sleep time
    OnOff,           // 1 on, 0 off
    OnOffTwoOne,     // 2 on, 1 off (e-sports)
    SensorSwitches,  // three switches as bits 4, 8, 16: "on,off,on"
};

// One setting of a profile: its name for users, its database key, the stored values it may
// take (what the mouse accepts, and what a profile file may carry) and its unit. The one list
// of what each stored value means.
struct SettingEntry {
    std::string name;
    std::string key;
    int low = 0;
    int high = 0;
    SettingUnit unit = SettingUnit::Number;
};

// Every setting of a profile, in the order the performance page shows them.
const std::vector<SettingEntry>& SettingTable();
const SettingEntry* SettingByName(std::string_view name);
const SettingEntry* SettingByKey(std::string_view key);

// The stored value in user units ("500 Hz", "#00FF00", "2 mm", "on").
std::string SettingText(const SettingEntry& setting, int stored);

// A stored stage colour (red in the low byte) as "#RRGGBB".
std::string ColourText(int stored);
// A value in user units (or as stored, for plain numbers) to its stored form; false when it is
// malformed or outside the setting's values.
bool SettingFromText(const SettingEntry& setting, std::string_view text, int& stored);
// The values a user may give, in user units: "125, 250, 500 or 1000 Hz".
std::string AllowedText(const SettingEntry& setting);

}  // namespace quillon
