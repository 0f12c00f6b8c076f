#pragma once

#include <array>
#include <string>
#include <string_view>

#include "input/LanguageContext.h"
#include "store/Records.h"

namespace quillon {

// The function a button carries (KeyAssignment::macro_type).
enum FunctionType : int {
    kFnNone = 0,
    kFnLeftClick = 1,
    kFnMiddleClick = 2,
    kFnRightClick = 3,
    kFnLeftSecond = 4,  // the left button's second device code
    kFnForward = 5,
    kFnBackward = 6,
    kFnWheelUp = 7,
    kFnWheelDown = 8,
    kFnDevice55 = 9,  // the default of key code 6
    kFnDeviceAA = 10,
    kFnDevice61 = 11,
    kFnDevice62 = 12,
    kFnReserved13 = 13,
    kFnReserved14 = 14,
    kFnDpiUp = 15,
    kFnDpiDown = 16,
    kFnDpiCycle = 17,
    kFnDpiCycleNoCode = 18,
    kFnSecondUp = 19,
    kFnSecondDown = 20,
    kFnSecondCycle = 21,
    kFnKey = 22,    // value: HID keyboard usage, value2: modifier bits
    kFnMacro = 23,  // value: macro_id
    kFnDisabled = 24,
    kFnMultimedia = 25,  // value: row of the multimedia table
    kFnSystem = 26,      // value: row of the system table
    kFnEmoji = 27,       // value: emoji number 1..109
};

inline constexpr int kNoTextId = -1;

// Name of the emoji function; it has no text id.
inline constexpr std::string_view kEmojiFunctionName = "表情符号";

// Text id naming a function type; kNoTextId for types 12, 27 and unknown types.
int FunctionTextId(int type);

// Multimedia commands (type 25), values 1..8.
struct MultimediaCommand {
    int value;
    int consumerUsage;
    int textId;
    int dialogPosition;  // 1-based place in the dialog's list, 0 when not offered
};
inline constexpr int kMultimediaCount = 8;
const std::array<MultimediaCommand, kMultimediaCount>& MultimediaCommands();
// nullptr when the value is outside 1..8.
const MultimediaCommand* FindMultimediaCommand(int value);

// System commands (type 26), values 1..13: a consumer usage or a fixed keyboard shortcut.
struct SystemCommand {
    int value;
    int consumerUsage;  // 0 for a shortcut
    int modifiers;      // shortcut modifier bits
    int usage;          // shortcut key usage
    int textId;
    bool storedAsTextId;  // false for the two whose assignment text is the dialog's wording
    int dialogPosition;   // 1-based place in the dialog's list, 0 when not offered
};
inline constexpr int kSystemCommandCount = 13;
const std::array<SystemCommand, kSystemCommandCount>& SystemCommands();
// nullptr when the value is outside 1..13.
const SystemCommand* FindSystemCommand(int value);

// The function list every button of the button page offers, in position order.
inline constexpr int kFunctionListSize = 18;
const std::array<int, kFunctionListSize>& FunctionListTypes();
// 1-based position of a type in the function list; 0 when the list does not offer it.
int FunctionListPosition(int type);

// The buttons the button page edits, in page order.
inline constexpr std::array<int, 7> kEditableKeyCodes = {1, 2, 3, 4, 5, 7, 8};

// Default function of a button without a stored row: type 1, 3, 2, 5, 6, 7, 8 for key codes
// 1, 2, 3, 4, 5, 7, 8, type 9 for key code 6, kFnNone for key code 9 and unknown codes.
int DefaultFunctionType(int keyCode);
// Text id of the label of an editable button (120 + key code); kNoTextId for the others.
int ButtonLabelTextId(int keyCode);
// The record a button without a stored row stands for: its default type with value 1 and the
// text id of that type as assignment text.
KeyAssignment DefaultAssignment(int profile, int keyCode);

// The assignment text stored with a record, from its type and value. `callerText` is the
// literal text the caller has (the macro's name, the shortcut text, the dialog's wording).
std::string DescribeAssignment(const KeyAssignment& record, std::string_view callerText,
                               const LanguageContext& language);

// The name the button page shows for a stored record.
std::string AssignmentDisplayName(const KeyAssignment& record, const LanguageContext& language);

// True for the types a button's list stores at once without asking for more (1, 2, 3, 5..12,
// 15..21, 24).
bool IsSimpleFunction(int type);
// The record for picking a simple function in a button's list; macro_type stays kFnNone when
// the type is not a simple function.
KeyAssignment SimpleAssignment(int profile, int keyCode, int type, const LanguageContext& language);

}  // namespace quillon
