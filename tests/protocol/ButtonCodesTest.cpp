#include <gtest/gtest.h>

#include "protocol/ButtonCodes.h"

namespace quillon {
namespace {

MacroHeader Macro(int id, int playType, int playTimes) {
    MacroHeader macro;
    macro.macro_id = id;
    macro.name = "M" + std::to_string(id);
    macro.play_type = playType;
    macro.play_times = playTimes;
    return macro;
}

const std::vector<MacroHeader>& MacroTable() {
    static const std::vector<MacroHeader> table = {Macro(7, 0, 3), Macro(9, 1, 1), Macro(11, 2, 1),
                                                   Macro(12, 0, 0)};
    return table;
}

struct Row {
    int type;
    int value;
    int value2;
    int keyCode;
    ButtonCode code;
    bool stored;  // false: the read skips the code
    DecodedButton read;
};

constexpr bool kSkipped = false;

// Every function type and value, the code the mouse gets, and what reading that code stores.
const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {1, 1, 0, 1, {0x20, 0x01, 0x00, 0x00}, true, {1, 1, 0, "121"}},
        {2, 1, 0, 1, {0x20, 0x04, 0x00, 0x00}, true, {2, 1, 0, "123"}},
        {3, 1, 0, 1, {0x20, 0x02, 0x00, 0x00}, true, {3, 1, 0, "122"}},
        {4, 1, 0, 1, {0x20, 0x01, 0x02, 0x00}, true, {4, 1, 0, "126"}},
        {5, 1, 0, 1, {0x20, 0x10, 0x00, 0x00}, true, {5, 1, 0, "124"}},
        {6, 1, 0, 1, {0x20, 0x08, 0x00, 0x00}, true, {6, 1, 0, "125"}},
        {7, 1, 0, 1, {0x21, 0x38, 0x01, 0x00}, true, {7, 1, 0, "127"}},
        {8, 1, 0, 1, {0x21, 0x38, 0xFF, 0x00}, true, {8, 1, 0, "128"}},
        {9, 1, 0, 1, {0x21, 0x55, 0x00, 0x00}, true, {9, 1, 0, "90"}},
        {10, 1, 0, 1, {0x21, 0xAA, 0x00, 0x00}, true, {10, 1, 0, "91"}},
        {11, 1, 0, 1, {0x21, 0x61, 0x00, 0x00}, true, {11, 1, 0, "156"}},
        {12, 1, 0, 1, {0x21, 0x62, 0x00, 0x00}, true, {12, 1, 0, ""}},
        {13, 1, 0, 1, {0x00, 0x00, 0x00, 0x00}, kSkipped, {}},
        {14, 1, 0, 1, {0x00, 0x00, 0x00, 0x00}, kSkipped, {}},
        {15, 1, 0, 1, {0xF0, 0x01, 0x01, 0x00}, true, {15, 1, 0, "150"}},
        {16, 1, 0, 1, {0xF0, 0x01, 0x02, 0x00}, true, {16, 1, 0, "151"}},
        {17, 1, 0, 1, {0xF0, 0x01, 0x03, 0x00}, true, {17, 1, 0, "152"}},
        {18, 1, 0, 1, {0x00, 0x00, 0x00, 0x00}, kSkipped, {}},
        {19, 1, 0, 1, {0xF0, 0x02, 0x01, 0x00}, true, {19, 1, 0, "153"}},
        {20, 1, 0, 1, {0xF0, 0x02, 0x02, 0x00}, true, {20, 1, 0, "154"}},
        {21, 1, 0, 1, {0xF0, 0x02, 0x03, 0x00}, true, {21, 1, 0, "155"}},
        // Keyboard: the modifier byte, then the usage.
        {22, 0x04, 3, 1, {0x10, 0x03, 0x04, 0x00}, true, {22, 0x04, 3, "Shift+ Ctrl + A"}},
        {22, 0x3A, 0, 1, {0x10, 0x00, 0x3A, 0x00}, true, {22, 0x3A, 0, "F1"}},
        {22, 0xE1, 0, 1, {0x10, 0x02, 0x00, 0x00}, true, {22, 0, 2, "Shift"}},
        // A modifier key with other modifiers joins them in the modifier byte.
        {22, 0xE2, 1, 1, {0x10, 0x05, 0x00, 0x00}, true, {22, 0, 5, "Ctrl+ Alt"}},
        // Macro: the index in the macro table, then the play mode or count.
        {23, 7, 0, 1, {0x70, 0x00, 0x03, 0x00}, true, {23, 7, 0, "M7"}},
        {23, 9, 0, 1, {0x70, 0x01, 0x01, 0x02}, true, {23, 9, 0, "M9"}},
        {23, 11, 0, 1, {0x70, 0x02, 0x01, 0x03}, true, {23, 11, 0, "M11"}},
        {23, 12, 0, 1, {0x70, 0x03, 0x01, 0x00}, true, {23, 12, 0, "M12"}},
        {23, 99, 0, 1, {0x70, 0x00, 0x00, 0x00}, true, {23, 7, 0, "M7"}},
        // Disabled: 00 and the button's own default code.
        {24, 1, 0, 1, {0x00, 0x01, 0x00, 0x00}, true, {24, 1, 0, "162"}},
        {24, 1, 0, 2, {0x00, 0x02, 0x00, 0x00}, true, {24, 1, 0, "162"}},
        {24, 1, 0, 3, {0x00, 0x04, 0x00, 0x00}, true, {24, 1, 0, "162"}},
        {24, 1, 0, 4, {0x00, 0x10, 0x00, 0x00}, true, {24, 1, 0, "162"}},
        {24, 1, 0, 5, {0x00, 0x08, 0x00, 0x00}, true, {24, 1, 0, "162"}},
        {24, 1, 0, 6, {0x00, 0x00, 0x00, 0x00}, kSkipped, {}},
        {24, 1, 0, 7, {0x00, 0x38, 0x01, 0x00}, true, {24, 1, 0, "162"}},
        {24, 1, 0, 8, {0x00, 0x38, 0xFF, 0x00}, true, {24, 1, 0, "162"}},
        {24, 1, 0, 9, {0x00, 0x21, 0xAA, 0x00}, true, {24, 1, 0, "162"}},
        // Multimedia: consumer usages.
        {25, 1, 0, 1, {0x30, 0x83, 0x01, 0x00}, true, {25, 1, 0, "178"}},
        {25, 2, 0, 1, {0x30, 0xCD, 0x00, 0x00}, true, {25, 2, 0, "179"}},
        {25, 3, 0, 1, {0x30, 0xB7, 0x00, 0x00}, true, {25, 3, 0, "182"}},
        {25, 4, 0, 1, {0x30, 0xB6, 0x00, 0x00}, true, {25, 4, 0, "180"}},
        {25, 5, 0, 1, {0x30, 0xB5, 0x00, 0x00}, true, {25, 5, 0, "181"}},
        {25, 6, 0, 1, {0x30, 0xE9, 0x00, 0x00}, true, {25, 6, 0, "175"}},
        {25, 7, 0, 1, {0x30, 0xEA, 0x00, 0x00}, true, {25, 7, 0, "176"}},
        {25, 8, 0, 1, {0x30, 0xE2, 0x00, 0x00}, true, {25, 8, 0, "177"}},
        {25, 9, 0, 1, {0x00, 0x00, 0x00, 0x00}, kSkipped, {}},
        // System: consumer usages or fixed shortcuts.
        {26, 1, 0, 1, {0x30, 0x6F, 0x00, 0x00}, true, {26, 1, 0, "185"}},
        {26, 2, 0, 1, {0x30, 0x70, 0x00, 0x00}, true, {26, 2, 0, "186"}},
        {26, 3, 0, 1, {0x30, 0x92, 0x01, 0x00}, true, {26, 3, 0, "187"}},
        {26, 4, 0, 1, {0x10, 0x08, 0x08, 0x00}, true, {26, 4, 0, "189"}},
        {26, 5, 0, 1, {0x10, 0x08, 0x07, 0x00}, true, {26, 5, 0, "188"}},
        {26, 6, 0, 1, {0x30, 0x23, 0x02, 0x00}, true, {26, 6, 0, "190"}},
        {26, 7, 0, 1, {0x30, 0x8A, 0x01, 0x00}, true, {26, 7, 0, "191"}},
        {26, 8, 0, 1, {0x10, 0x00, 0x3E, 0x00}, true, {26, 8, 0, "192"}},
        {26, 9, 0, 1, {0x10, 0x04, 0x2B, 0x00}, true, {26, 9, 0, "193"}},
        {26, 10, 0, 1, {0x10, 0x08, 0x46, 0x00}, true, {26, 10, 0, "194"}},
        {26, 11, 0, 1, {0x10, 0x01, 0x06, 0x00}, true, {26, 11, 0, "31"}},
        {26, 12, 0, 1, {0x10, 0x01, 0x19, 0x00}, true, {26, 12, 0, "32"}},
        {26, 13, 0, 1, {0x10, 0x01, 0x1B, 0x00}, true, {26, 13, 0, "36"}},
        {26, 14, 0, 1, {0x00, 0x00, 0x00, 0x00}, kSkipped, {}},
        {27, 5, 0, 1, {0x50, 0x05, 0x00, 0x00}, true, {27, 5, 0, "表情符号"}},
        {27, 0x105, 0, 1, {0x50, 0x05, 0x00, 0x00}, true, {27, 5, 0, "表情符号"}},
        {0, 1, 0, 1, {0x00, 0x00, 0x00, 0x00}, kSkipped, {}},
        {99, 1, 0, 1, {0x00, 0x00, 0x00, 0x00}, kSkipped, {}},
    };
    return rows;
}

TEST(ButtonCodes, EveryFunctionEncodesAndReadsBack) {
    for (const Row& row : Rows()) {
        KeyAssignment record;
        record.key_code = row.keyCode;
        record.macro_type = row.type;
        record.macro_value = row.value;
        record.macro_value2 = row.value2;
        SCOPED_TRACE("type " + std::to_string(row.type) + " value " + std::to_string(row.value) +
                     " key code " + std::to_string(row.keyCode));
        EXPECT_EQ(EncodeButtonCode(record, MacroTable()), row.code);

        const std::optional<DecodedButton> read = DecodeButtonCode(row.code, MacroTable());
        ASSERT_EQ(read.has_value(), row.stored);
        if (read) {
            EXPECT_EQ(read->type, row.read.type);
            EXPECT_EQ(read->value, row.read.value);
            EXPECT_EQ(read->value2, row.read.value2);
            EXPECT_EQ(read->desc, row.read.desc);
        }
    }
}

TEST(ButtonCodes, CodesThatReadAsNothing) {
    const ButtonCode ignored[] = {
        {0xFF, 0xFF, 0x12, 0x34}, {0xFF, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x00, 0x00},
        {0x20, 0x03, 0x00, 0x00}, {0x21, 0x38, 0x02, 0x00}, {0x21, 0x63, 0x00, 0x00},
        {0x30, 0x00, 0x00, 0x00}, {0x30, 0x92, 0x00, 0x00}, {0xF0, 0x01, 0x04, 0x00},
        {0xF0, 0x03, 0x01, 0x00}, {0x40, 0x01, 0x00, 0x00},
    };
    for (const ButtonCode& code : ignored) {
        EXPECT_FALSE(DecodeButtonCode(code, MacroTable()).has_value())
            << int(code[0]) << " " << int(code[1]) << " " << int(code[2]);
    }
}

TEST(ButtonCodes, MacroIndexBeyondTheTableReadsAsNoMacro) {
    const std::optional<DecodedButton> read =
        DecodeButtonCode({0x70, 0x04, 0x01, 0x00}, MacroTable());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->type, 23);
    EXPECT_EQ(read->value, 0);
    EXPECT_EQ(read->desc, "");
}

TEST(ButtonCodes, MacroBeyondTheMousesThirtyTwoIsNotFound) {
    std::vector<MacroHeader> table;
    for (int id = 1; id <= 33; ++id) {
        table.push_back(Macro(id, 0, 1));
    }
    KeyAssignment record;
    record.macro_type = 23;
    record.macro_value = 32;
    EXPECT_EQ(EncodeButtonCode(record, table), (ButtonCode{0x70, 31, 0x01, 0x00}));
    record.macro_value = 33;
    EXPECT_EQ(EncodeButtonCode(record, table), (ButtonCode{0x70, 0x00, 0x00, 0x00}));
}

TEST(ButtonCodes, TableEntriesSwapKeyCodesFourAndFive) {
    const int entryOf[] = {-1, 0, 1, 2, 4, 3, 5, 6, 7, 8, -1};
    for (int keyCode = 0; keyCode <= 10; ++keyCode) {
        EXPECT_EQ(EntryOfKeyCode(keyCode), entryOf[keyCode]) << keyCode;
        if (entryOf[keyCode] >= 0) {
            EXPECT_EQ(KeyCodeOfEntry(entryOf[keyCode]), keyCode);
        }
    }
    EXPECT_EQ(KeyCodeOfEntry(9), 0);

    KeyAssignment forward;  // key code 4 made a DPI button
    forward.key_code = 4;
    forward.macro_type = 15;
    KeyAssignment backward;
    backward.key_code = 5;
    backward.macro_type = 24;
    KeyAssignment stray;  // not a button of the mouse
    stray.key_code = 12;
    stray.macro_type = 1;
    const ButtonTable table = BuildButtonTable({forward, backward, stray}, {});
    ButtonTable expected = DefaultButtonTable();
    expected[4] = {0xF0, 0x01, 0x01, 0x00};
    expected[3] = {0x00, 0x08, 0x00, 0x00};
    EXPECT_EQ(table, expected);

    const CommandFrame frame = ButtonTableFrame(3, table);
    const std::uint8_t header[] = {0x00, 0x55, 0x09, 0xA5, 0x00, 0x20, 0x00, 0x00, 0x02};
    EXPECT_TRUE(std::equal(std::begin(header), std::end(header), frame.bytes.begin()));
    for (size_t j = 0; j < table.size(); ++j) {
        EXPECT_TRUE(std::equal(table[j].begin(), table[j].end(), frame.bytes.begin() + 9 + 4 * j))
            << j;
    }
    EXPECT_TRUE(std::all_of(frame.bytes.begin() + 45, frame.bytes.end(),
                            [](std::uint8_t b) { return b == 0; }));
}

TEST(ButtonCodes, ReplyTableStartsAtByteEight) {
    std::array<std::uint8_t, 64> reply{};
    reply[0] = 0xAA;
    reply[1] = 0x08;
    for (size_t i = 0; i < 36; ++i) {
        reply[8 + i] = static_cast<std::uint8_t>(i + 1);
    }
    const ButtonTable table = ButtonTableOfReply(reply.data());
    EXPECT_EQ(table[0], (ButtonCode{1, 2, 3, 4}));
    EXPECT_EQ(table[8], (ButtonCode{33, 34, 35, 36}));

    const CommandFrame read = ButtonTableReadFrame(5);
    EXPECT_EQ(read[2], 0x08);
    EXPECT_EQ(read[3], 0xA5);
    EXPECT_EQ(read[5], 0x20);
    EXPECT_EQ(read[8], 5);
}

}  // namespace
}  // namespace quillon
