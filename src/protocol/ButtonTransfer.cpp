#include "protocol/ButtonTransfer.h"

namespace quillon {

ProfileButtonTables BuildProfileButtonTables(SettingsStore& store) {
    std::vector<MacroHeader> macros;
    store.LoadMacros(macros);
    ProfileButtonTables tables{};
    for (int profile = 1; profile <= kWrittenProfiles; ++profile) {
        std::vector<KeyAssignment> rows;
        store.LoadKeyAssignments(profile, rows);
        tables[static_cast<size_t>(profile - 1)] = BuildButtonTable(rows, macros);
    }
    return tables;
}

bool SendButtonTables(DeviceManager& device, const ProfileButtonTables& tables) {
    bool answered = true;
    for (int profile = 1; profile <= kWrittenProfiles; ++profile) {
        CommandFrame frame = ButtonTableFrame(profile, tables[static_cast<size_t>(profile - 1)]);
        answered = device.SendCommand(frame) && answered;
    }
    return answered;
}

bool WriteButtons(DeviceManager& device, SettingsStore& store) {
    return SendButtonTables(device, BuildProfileButtonTables(store));
}

namespace {

void StoreDecoded(SettingsStore& store, const std::vector<MacroHeader>& macros, int profile,
                  int entry, const ButtonCode& code) {
    const std::optional<DecodedButton> decoded = DecodeButtonCode(code, macros);
    if (!decoded) {
        return;
    }
    KeyAssignment record;
    record.profile = profile;
    record.key_code = KeyCodeOfEntry(entry);
    record.macro_type = decoded->type;
    record.macro_value = decoded->value;
    record.macro_value2 = decoded->value2;
    record.macro_desc = decoded->desc;
    store.SaveKeyAssignment(record);
}

}  // namespace

void DecodeButtonEntry(SettingsStore& store, int profile, int entry, const ButtonCode& code) {
    std::vector<MacroHeader> macros;
    store.LoadMacros(macros);
    StoreDecoded(store, macros, profile, entry, code);
}

void StoreButtonTable(SettingsStore& store, int profile, const ButtonTable& table) {
    std::vector<MacroHeader> macros;
    store.LoadMacros(macros);
    for (int entry = 0; entry < kButtonEntryCount; ++entry) {
        StoreDecoded(store, macros, profile, entry, table[static_cast<size_t>(entry)]);
    }
}

}  // namespace quillon
