#include "protocol/ButtonCodes.h"

#include <algorithm>

#include "input/FunctionCatalogue.h"
#include "input/KeyNames.h"
#include "input/MacroItems.h"

namespace quillon {
namespace {

constexpr std::uint8_t kCodeKey = 0x10;
constexpr std::uint8_t kCodeMouse = 0x20;
constexpr std::uint8_t kCodeDevice = 0x21;
constexpr std::uint8_t kCodeConsumer = 0x30;
constexpr std::uint8_t kCodeEmoji = 0x50;
constexpr std::uint8_t kCodeMacro = 0x70;
constexpr std::uint8_t kCodeSetting = 0xF0;

constexpr std::uint8_t kCommandReadButtons = 0x08;
constexpr std::uint8_t kCommandWriteButtons = 0x09;
constexpr std::uint8_t kQualifier = 0xA5;
constexpr std::uint8_t kButtonTableLength = 0x20;
constexpr size_t kWriteTableOffset = 9;
constexpr size_t kReplyTableOffset = 8;

// Codes of the types that carry no value: type, then the first three bytes.
struct FixedCode {
    int type;
    ButtonCode code;
};
constexpr auto kFixedCodes = std::to_array<FixedCode>({
    {kFnLeftClick, {kCodeMouse, 0x01, 0x00, 0x00}},
    {kFnMiddleClick, {kCodeMouse, 0x04, 0x00, 0x00}},
    {kFnRightClick, {kCodeMouse, 0x02, 0x00, 0x00}},
    {kFnLeftSecond, {kCodeMouse, 0x01, 0x02, 0x00}},
    {kFnForward, {kCodeMouse, 0x10, 0x00, 0x00}},
    {kFnBackward, {kCodeMouse, 0x08, 0x00, 0x00}},
    {kFnWheelUp, {kCodeDevice, 0x38, 0x01, 0x00}},
    {kFnWheelDown, {kCodeDevice, 0x38, 0xFF, 0x00}},
    {kFnDevice55, {kCodeDevice, 0x55, 0x00, 0x00}},
    {kFnDeviceAA, {kCodeDevice, 0xAA, 0x00, 0x00}},
    {kFnDevice61, {kCodeDevice, 0x61, 0x00, 0x00}},
    {kFnDevice62, {kCodeDevice, 0x62, 0x00, 0x00}},
    {kFnDpiUp, {kCodeSetting, 0x01, 0x01, 0x00}},
    {kFnDpiDown, {kCodeSetting, 0x01, 0x02, 0x00}},
    {kFnDpiCycle, {kCodeSetting, 0x01, 0x03, 0x00}},
    {kFnSecondUp, {kCodeSetting, 0x02, 0x01, 0x00}},
    {kFnSecondDown, {kCodeSetting, 0x02, 0x02, 0x00}},
    {kFnSecondCycle, {kCodeSetting, 0x02, 0x03, 0x00}},
});

// What a disabled button sends: nothing, with the button's own default code after the 00.
ButtonCode DisabledCode(int keyCode) {
    switch (keyCode) {
        case 1:
            return {0x00, 0x01, 0x00, 0x00};
        case 2:
            return {0x00, 0x02, 0x00, 0x00};
        case 3:
            return {0x00, 0x04, 0x00, 0x00};
        case 4:
            return {0x00, 0x10, 0x00, 0x00};
        case 5:
            return {0x00, 0x08, 0x00, 0x00};
        case 7:
            return {0x00, 0x38, 0x01, 0x00};
        case 8:
            return {0x00, 0x38, 0xFF, 0x00};
        case 9:
            return {0x00, 0x21, 0xAA, 0x00};
        default:
            return {};
    }
}

std::uint8_t Low(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
std::uint8_t High(int value) {
    return static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

ButtonCode ConsumerCode(int usage) {
    return {kCodeConsumer, Low(usage), High(usage), 0x00};
}

ButtonCode KeyCode(int modifiers, int usage) {
    // A modifier key goes into the modifier byte: in the key slot its bit would name
    // another key (Alt's bit 4 is the usage of A).
    if (usage >= 0xE0 && usage <= 0xE7) {
        return {kCodeKey, Low(modifiers | ModifierBitOfUsage(usage)), 0x00, 0x00};
    }
    return {kCodeKey, Low(modifiers), Low(usage), 0x00};
}

int MacroIndex(const std::vector<MacroHeader>& macroTable, int macroId) {
    for (size_t i = 0; i < macroTable.size() && i < static_cast<size_t>(kMaxMacros); ++i) {
        if (macroTable[i].macro_id == macroId) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

ButtonCode MacroCode(const MacroHeader& macro, int index) {
    switch (macro.play_type) {
        case 1:
            return {kCodeMacro, Low(index), 0x01, 0x02};
        case 2:
            return {kCodeMacro, Low(index), 0x01, 0x03};
        default:
            return {kCodeMacro, Low(index), Low(std::clamp(macro.play_times, 1, 255)), 0x00};
    }
}

std::string IdText(int textId) {
    return std::to_string(textId);
}

DecodedButton Decoded(int type, int value, int textId) {
    return {type, value, 0, IdText(textId)};
}

std::optional<DecodedButton> DecodeKeyCode(const ButtonCode& code) {
    for (const SystemCommand& command : SystemCommands()) {
        if (command.consumerUsage == 0 && command.modifiers == code[1] &&
            command.usage == code[2]) {
            return Decoded(kFnSystem, command.value, command.textId);
        }
    }
    return DecodedButton{kFnKey, code[2], code[1], ShortcutText(code[1], UsageName(code[2]))};
}

std::optional<DecodedButton> DecodeConsumerCode(const ButtonCode& code) {
    const int usage = code[1] | (code[2] << 8);
    for (const MultimediaCommand& command : MultimediaCommands()) {
        if (command.consumerUsage == usage) {
            return Decoded(kFnMultimedia, command.value, command.textId);
        }
    }
    for (const SystemCommand& command : SystemCommands()) {
        if (command.consumerUsage != 0 && command.consumerUsage == usage) {
            return Decoded(kFnSystem, command.value, command.textId);
        }
    }
    return std::nullopt;
}

std::optional<DecodedButton> DecodeMouseCode(const ButtonCode& code) {
    switch (code[1]) {
        case 0x01:
            return code[2] == 0x02 ? Decoded(kFnLeftSecond, 1, 126) : Decoded(kFnLeftClick, 1, 121);
        case 0x02:
            return Decoded(kFnRightClick, 1, 122);
        case 0x04:
            return Decoded(kFnMiddleClick, 1, 123);
        case 0x08:
            return Decoded(kFnBackward, 1, 125);
        case 0x10:
            return Decoded(kFnForward, 1, 124);
        default:
            return std::nullopt;
    }
}

std::optional<DecodedButton> DecodeDeviceCode(const ButtonCode& code) {
    switch (code[1]) {
        case 0x38:
            if (code[2] == 0x01) {
                return Decoded(kFnWheelUp, 1, 127);
            }
            if (code[2] == 0xFF) {
                return Decoded(kFnWheelDown, 1, 128);
            }
            return std::nullopt;
        case 0x55:
            return Decoded(kFnDevice55, 1, 90);
        case 0xAA:
            return Decoded(kFnDeviceAA, 1, 91);
        case 0x61:
            return Decoded(kFnDevice61, 1, 156);
        case 0x62:
            // Read as its own type, without a text id, so the assignment survives a read-back.
            return DecodedButton{kFnDevice62, 1, 0, std::string()};
        default:
            return std::nullopt;
    }
}

std::optional<DecodedButton> DecodeSettingCode(const ButtonCode& code) {
    if (code[2] < 1 || code[2] > 3) {
        return std::nullopt;
    }
    const int step = code[2] - 1;
    if (code[1] == 0x01) {
        return Decoded(kFnDpiUp + step, 1, 150 + step);
    }
    if (code[1] == 0x02) {
        return Decoded(kFnSecondUp + step, 1, 153 + step);
    }
    return std::nullopt;
}

}  // namespace

int EntryOfKeyCode(int keyCode) {
    if (keyCode < 1 || keyCode > kButtonEntryCount) {
        return -1;
    }
    if (keyCode == 4) {
        return 4;
    }
    if (keyCode == 5) {
        return 3;
    }
    return keyCode - 1;
}

int KeyCodeOfEntry(int entry) {
    if (entry < 0 || entry >= kButtonEntryCount) {
        return 0;
    }
    if (entry == 3) {
        return 5;
    }
    if (entry == 4) {
        return 4;
    }
    return entry + 1;
}

const ButtonTable& DefaultButtonTable() {
    static const ButtonTable table = {{
        {0x20, 0x01, 0x00, 0x00},
        {0x20, 0x02, 0x00, 0x00},
        {0x20, 0x04, 0x00, 0x00},
        {0x20, 0x08, 0x00, 0x00},
        {0x20, 0x10, 0x00, 0x00},
        {0x21, 0x55, 0x00, 0x00},
        {0x21, 0x38, 0x01, 0x00},
        {0x21, 0x38, 0xFF, 0x00},
        {0x00, 0x00, 0x00, 0x00},
    }};
    return table;
}

ButtonCode EncodeButtonCode(const KeyAssignment& record,
                            const std::vector<MacroHeader>& macroTable) {
    const int type = record.macro_type;
    for (const FixedCode& fixed : kFixedCodes) {
        if (fixed.type == type) {
            return fixed.code;
        }
    }
    switch (type) {
        case kFnKey:
            return KeyCode(record.macro_value2, record.macro_value);
        case kFnMacro: {
            const int index = MacroIndex(macroTable, record.macro_value);
            if (index < 0) {
                return {kCodeMacro, 0x00, 0x00, 0x00};
            }
            return MacroCode(macroTable[static_cast<size_t>(index)], index);
        }
        case kFnDisabled:
            return DisabledCode(record.key_code);
        case kFnMultimedia:
            if (const MultimediaCommand* command = FindMultimediaCommand(record.macro_value)) {
                return ConsumerCode(command->consumerUsage);
            }
            return {};
        case kFnSystem:
            if (const SystemCommand* command = FindSystemCommand(record.macro_value)) {
                return command->consumerUsage != 0 ? ConsumerCode(command->consumerUsage)
                                                   : KeyCode(command->modifiers, command->usage);
            }
            return {};
        case kFnEmoji:
            return {kCodeEmoji, Low(record.macro_value), 0x00, 0x00};
        default:
            return {};
    }
}

ButtonTable BuildButtonTable(const std::vector<KeyAssignment>& rows,
                             const std::vector<MacroHeader>& macroTable) {
    ButtonTable table = DefaultButtonTable();
    for (const KeyAssignment& row : rows) {
        const int entry = EntryOfKeyCode(row.key_code);
        if (entry >= 0) {
            table[static_cast<size_t>(entry)] = EncodeButtonCode(row, macroTable);
        }
    }
    return table;
}

CommandFrame ButtonTableFrame(int profile, const ButtonTable& table) {
    CommandFrame frame(kCommandWriteButtons, kQualifier);
    frame[5] = kButtonTableLength;
    frame[8] = Low(profile - 1);
    for (size_t j = 0; j < table.size(); ++j) {
        std::copy(table[j].begin(), table[j].end(),
                  frame.bytes.begin() + kWriteTableOffset + 4 * j);
    }
    return frame;
}

CommandFrame ButtonTableReadFrame(int profileIndex) {
    CommandFrame frame(kCommandReadButtons, kQualifier);
    frame[5] = kButtonTableLength;
    frame[8] = Low(profileIndex);
    return frame;
}

ButtonTable ButtonTableOfReply(const std::uint8_t* reply) {
    ButtonTable table{};
    for (size_t j = 0; j < table.size(); ++j) {
        std::copy_n(reply + kReplyTableOffset + 4 * j, 4, table[j].begin());
    }
    return table;
}

std::optional<DecodedButton> DecodeButtonCode(const ButtonCode& code,
                                              const std::vector<MacroHeader>& macroTable) {
    if ((code[0] == 0xFF && code[1] == 0xFF) || code == ButtonCode{}) {
        return std::nullopt;
    }
    switch (code[0]) {
        case 0x00:
            return Decoded(kFnDisabled, 1, 162);
        case kCodeKey:
            return DecodeKeyCode(code);
        case kCodeMouse:
            return DecodeMouseCode(code);
        case kCodeDevice:
            return DecodeDeviceCode(code);
        case kCodeConsumer:
            return DecodeConsumerCode(code);
        case kCodeEmoji:
            return DecodedButton{kFnEmoji, code[1], 0, std::string(kEmojiFunctionName)};
        case kCodeMacro:
            if (code[1] < macroTable.size()) {
                const MacroHeader& macro = macroTable[code[1]];
                return DecodedButton{kFnMacro, macro.macro_id, 0, macro.name};
            }
            return DecodedButton{kFnMacro, 0, 0, std::string()};
        case kCodeSetting:
            return DecodeSettingCode(code);
        default:
            return std::nullopt;
    }
}

}  // namespace quillon
