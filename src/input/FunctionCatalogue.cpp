#include "input/FunctionCatalogue.h"

#include <algorithm>

#include "input/LocalizeName.h"
#include "platform/NumberText.h"

namespace quillon {
namespace {

// Text ids of types 0..27, by type. The left button's second code is named by text 126, as its
// read-back stores it; text 111 is the response time's label.
constexpr std::array<int, 28> kTypeTextIds = {
    kNoTextId, 121, 123, 122, 126, 124, 125, 127, 128, 90,  91,  156, kNoTextId, 129,
    130,       150, 151, 152, 152, 153, 154, 155, 160, 161, 162, 163, 164,       kNoTextId,
};

constexpr std::array<MultimediaCommand, kMultimediaCount> kMultimedia = {{
    {1, 0x0183, 178, 0},
    {2, 0x00CD, 179, 1},
    {3, 0x00B7, 182, 2},
    {4, 0x00B6, 180, 3},
    {5, 0x00B5, 181, 4},
    {6, 0x00E9, 175, 5},
    {7, 0x00EA, 176, 6},
    {8, 0x00E2, 177, 7},
}};

constexpr int kCtrl = 1;
constexpr int kAlt = 4;
constexpr int kWin = 8;

constexpr std::array<SystemCommand, kSystemCommandCount> kSystem = {{
    {1, 0x006F, 0, 0, 185, true, 1},
    {2, 0x0070, 0, 0, 186, true, 2},
    {3, 0x0192, 0, 0, 187, true, 3},
    {4, 0, kWin, 0x08, 189, true, 5},   // Win + E
    {5, 0, kWin, 0x07, 188, false, 4},  // Win + D
    {6, 0x0223, 0, 0, 190, true, 7},
    {7, 0x018A, 0, 0, 191, true, 6},
    {8, 0, 0, 0x3E, 192, true, 0},       // F5
    {9, 0, kAlt, 0x2B, 193, true, 8},    // Alt + Tab
    {10, 0, kWin, 0x46, 194, false, 9},  // Win + Print Screen
    {11, 0, kCtrl, 0x06, 31, true, 10},  // Ctrl + C
    {12, 0, kCtrl, 0x19, 32, true, 11},  // Ctrl + V
    {13, 0, kCtrl, 0x1B, 36, true, 12},  // Ctrl + X
}};

constexpr std::array<int, kFunctionListSize> kFunctionList = {
    kFnLeftClick,   kFnMiddleClick, kFnRightClick, kFnForward,  kFnBackward,   kFnWheelUp,
    kFnWheelDown,   kFnDpiUp,       kFnDpiDown,    kFnDpiCycle, kFnSecondUp,   kFnSecondDown,
    kFnSecondCycle, kFnKey,         kFnMacro,      kFnDisabled, kFnMultimedia, kFnSystem,
};

constexpr int kLegacyLeftSecondTextId = 111;

std::string IdText(int textId) {
    return std::to_string(textId);
}

}  // namespace

int FunctionTextId(int type) {
    if (type < 0 || type >= static_cast<int>(kTypeTextIds.size())) {
        return kNoTextId;
    }
    return kTypeTextIds[static_cast<size_t>(type)];
}

const std::array<MultimediaCommand, kMultimediaCount>& MultimediaCommands() {
    return kMultimedia;
}

const MultimediaCommand* FindMultimediaCommand(int value) {
    if (value < 1 || value > kMultimediaCount) {
        return nullptr;
    }
    return &kMultimedia[static_cast<size_t>(value - 1)];
}

const std::array<SystemCommand, kSystemCommandCount>& SystemCommands() {
    return kSystem;
}

const SystemCommand* FindSystemCommand(int value) {
    if (value < 1 || value > kSystemCommandCount) {
        return nullptr;
    }
    return &kSystem[static_cast<size_t>(value - 1)];
}

const std::array<int, kFunctionListSize>& FunctionListTypes() {
    return kFunctionList;
}

int FunctionListPosition(int type) {
    auto it = std::find(kFunctionList.begin(), kFunctionList.end(), type);
    return it == kFunctionList.end() ? 0 : static_cast<int>(it - kFunctionList.begin()) + 1;
}

int DefaultFunctionType(int keyCode) {
    switch (keyCode) {
        case 1:
            return kFnLeftClick;
        case 2:
            return kFnRightClick;
        case 3:
            return kFnMiddleClick;
        case 4:
            return kFnForward;
        case 5:
            return kFnBackward;
        case 6:
            return kFnDevice55;
        case 7:
            return kFnWheelUp;
        case 8:
            return kFnWheelDown;
        default:
            return kFnNone;
    }
}

int ButtonLabelTextId(int keyCode) {
    bool editable = std::find(kEditableKeyCodes.begin(), kEditableKeyCodes.end(), keyCode) !=
                    kEditableKeyCodes.end();
    return editable ? 120 + keyCode : kNoTextId;
}

KeyAssignment DefaultAssignment(int profile, int keyCode) {
    KeyAssignment record;
    record.profile = profile;
    record.key_code = keyCode;
    record.macro_type = DefaultFunctionType(keyCode);
    if (record.macro_type != kFnNone) {
        record.macro_value = 1;
        record.macro_desc = IdText(FunctionTextId(record.macro_type));
    }
    return record;
}

std::string DescribeAssignment(const KeyAssignment& record, std::string_view callerText,
                               const LanguageContext& language) {
    const int type = record.macro_type;
    if ((type >= kFnLeftClick && type <= kFnDeviceAA) ||
        (type >= kFnReserved13 && type <= kFnSecondCycle) || type == kFnDisabled) {
        return IdText(FunctionTextId(type));
    }
    if (type == kFnMacro) {
        return LocalizeName(callerText, language);
    }
    if (type == kFnMultimedia) {
        if (const MultimediaCommand* command = FindMultimediaCommand(record.macro_value)) {
            return IdText(command->textId);
        }
    }
    if (type == kFnSystem) {
        const SystemCommand* command = FindSystemCommand(record.macro_value);
        if (command != nullptr && command->storedAsTextId) {
            return IdText(command->textId);
        }
    }
    return std::string(callerText);
}

std::string AssignmentDisplayName(const KeyAssignment& record, const LanguageContext& language) {
    if (record.macro_type == kFnKey || record.macro_type == kFnMacro) {
        return LocalizeName(record.macro_desc, language);
    }
    int textId = ParseLeadingInt(record.macro_desc);
    // Rows written before the left button's second code had a name of its own carry 111.
    if (record.macro_type == kFnLeftSecond && textId == kLegacyLeftSecondTextId) {
        textId = FunctionTextId(kFnLeftSecond);
    }
    std::string text = language.Text(textId);
    return text.empty() ? record.macro_desc : text;
}

bool IsSimpleFunction(int type) {
    return (type >= kFnLeftClick && type <= kFnRightClick) ||
           (type >= kFnForward && type <= kFnDevice62) ||
           (type >= kFnDpiUp && type <= kFnSecondCycle) || type == kFnDisabled;
}

KeyAssignment SimpleAssignment(int profile, int keyCode, int type,
                               const LanguageContext& language) {
    KeyAssignment record;
    record.profile = profile;
    record.key_code = keyCode;
    if (!IsSimpleFunction(type)) {
        return record;
    }
    record.macro_type = type;
    record.macro_value = 1;
    record.macro_desc = DescribeAssignment(record, "", language);
    return record;
}

}  // namespace quillon
