#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "device/CommandFrame.h"
#include "store/Records.h"

namespace quillon {

// The mouse's 4-byte code of one button's function.
using ButtonCode = std::array<std::uint8_t, 4>;

// The mouse keeps one code per key code 1..9.
inline constexpr int kButtonEntryCount = 9;
using ButtonTable = std::array<ButtonCode, kButtonEntryCount>;

// Entry of a key code in the mouse's table (key codes 4 and 5 are swapped); -1 outside 1..9.
int EntryOfKeyCode(int keyCode);
// Key code of an entry; 0 outside 0..8.
int KeyCodeOfEntry(int entry);

// The table the mouse holds for buttons without a stored assignment.
const ButtonTable& DefaultButtonTable();

// The code of an assignment. `macroTable` is every macro header in storage order: a macro
// assignment carries its macro's index in that table.
ButtonCode EncodeButtonCode(const KeyAssignment& record,
                            const std::vector<MacroHeader>& macroTable);

// The default table overwritten by the code of every row with a key code 1..9.
ButtonTable BuildButtonTable(const std::vector<KeyAssignment>& rows,
                             const std::vector<MacroHeader>& macroTable);

// Command 0x09 writing one profile's table (profile 1..5).
CommandFrame ButtonTableFrame(int profile, const ButtonTable& table);

// Command 0x08 reading the table of a profile index 0..5.
CommandFrame ButtonTableReadFrame(int profileIndex);
// The nine codes of a 0x08 reply (64 bytes from the reply marker on).
ButtonTable ButtonTableOfReply(const std::uint8_t* reply);

// What a code reported by the mouse means as an assignment.
struct DecodedButton {
    int type = 0;
    int value = 1;
    int value2 = 0;
    std::string desc;
};

// Decodes a code reported by the mouse; nothing for empty (00 00 00 00), unset (FF FF ..)
// and unknown codes, which leave the stored assignment as it is.
std::optional<DecodedButton> DecodeButtonCode(const ButtonCode& code,
                                              const std::vector<MacroHeader>& macroTable);

}  // namespace quillon
