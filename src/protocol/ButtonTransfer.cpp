#include "protocol/ButtonTransfer.h"

#include "protocol/CommandChannel.h"
#include "protocol/DeviceMirror.h"

#include <optional>

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

void SendButtonTables(CommandChannel& channel, const ProfileButtonTables& tables) {
    DeviceMirror& mirror = channel.Acknowledged();
    for (int profile = 1; profile <= kWrittenProfiles; ++profile) {
        const ButtonTable& table = tables[static_cast<size_t>(profile - 1)];
        if (mirror.HoldsButtons(profile, table)) {
            continue;
        }
        CommandFrame frame = ButtonTableFrame(profile, table);
        if (channel.Send(frame)) {
            mirror.SetButtons(profile, table);
        }
    }
}

namespace {

// The row a code reported by the mouse stores; nothing when it leaves the stored one alone.
std::optional<KeyAssignment> DecodedRecord(const std::vector<MacroHeader>& macros, int profile,
                                           int entry, const ButtonCode& code) {
    const std::optional<DecodedButton> decoded = DecodeButtonCode(code, macros);
    if (!decoded) {
        return std::nullopt;
    }
    KeyAssignment record;
    record.profile = profile;
    record.key_code = KeyCodeOfEntry(entry);
    record.macro_type = decoded->type;
    record.macro_value = decoded->value;
    record.macro_value2 = decoded->value2;
    record.macro_desc = decoded->desc;
    return record;
}

bool SameRow(const KeyAssignment& a, const KeyAssignment& b) {
    return a.profile == b.profile && a.fn_layer == b.fn_layer && a.key_code == b.key_code &&
           a.layout_value == b.layout_value && a.layout_desc == b.layout_desc &&
           a.macro_type == b.macro_type && a.macro_value == b.macro_value &&
           a.macro_value2 == b.macro_value2 && a.macro_value3 == b.macro_value3 &&
           a.macro_desc == b.macro_desc;
}

// Whether saving `record` would leave the button's rows as they are: exactly one equal row, or
// none where the record writes none.
bool AlreadyStored(const std::vector<KeyAssignment>& stored, const KeyAssignment& record) {
    std::vector<const KeyAssignment*> rows;
    for (const KeyAssignment& row : stored) {
        if (row.key_code == record.key_code) {
            rows.push_back(&row);
        }
    }
    if (record.macro_value == 0 && record.macro_value2 == 0) {
        return rows.empty();
    }
    return rows.size() == 1 && SameRow(*rows.front(), record);
}

}  // namespace

void DecodeButtonEntry(SettingsStore& store, int profile, int entry, const ButtonCode& code) {
    std::vector<MacroHeader> macros;
    store.LoadMacros(macros);
    if (std::optional<KeyAssignment> record = DecodedRecord(macros, profile, entry, code)) {
        store.SaveKeyAssignment(*record);
    }
}

void StoreButtonTable(SettingsStore& store, const std::vector<MacroHeader>& macros, int profile,
                      const ButtonTable& table) {
    std::vector<KeyAssignment> stored;
    store.LoadKeyAssignments(profile, stored);
    for (int entry = 0; entry < kButtonEntryCount; ++entry) {
        const std::optional<KeyAssignment> record =
            DecodedRecord(macros, profile, entry, table[static_cast<size_t>(entry)]);
        // A read that finds what is stored writes nothing.
        if (record && !AlreadyStored(stored, *record)) {
            store.SaveKeyAssignment(*record);
        }
    }
}

}  // namespace quillon
