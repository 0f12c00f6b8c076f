#pragma once

#include <string>

#include "store/Records.h"

namespace quillon {

// The kinds of macro step (MacroItem::type).
enum MacroItemType : int {
    kItemPause = 1,      // value: milliseconds
    kItemKeyDown = 2,    // value: virtual-key code
    kItemKeyUp = 3,      // value: virtual-key code
    kItemMouseDown = 4,  // value: button mask; "Scroll Up"/"Scroll Down" in the text: a wheel step
    kItemMouseUp = 5,
    kItemWheelUp = 6,
    kItemWheelDown = 7,
    kItemMoveUp = 8,  // value: distance
    kItemMoveDown = 9,
    kItemMoveLeft = 10,
    kItemMoveRight = 11,
    kItemMoveXY = 12,  // value: see MoveOnBothAxes
};

// Items the editor inserts by hand stop here; the recorder stops at the same count.
inline constexpr int kMaxMacroItems = 200;

// Arrow prefixes of the item texts: the arrow and two blanks.
inline constexpr const char* kArrowDown = "↓  ";
inline constexpr const char* kArrowUp = "↑  ";
inline constexpr const char* kArrowLeft = "←  ";
inline constexpr const char* kArrowRight = "→  ";

// Wheel steps inside mouse items are told by these words in the item text.
inline constexpr const char* kScrollUpName = "Scroll Up";
inline constexpr const char* kScrollDownName = "Scroll Down";

// A new item of the list, not yet stored; the items inserted together share `stamp`.
MacroItem MakeMacroItem(int type, int value, std::string desc, int stamp);

// " -   10 ms" for a pause of 10 ms.
std::string PauseItemText(int milliseconds);

// A pointer move on both axes as its editor shows it.
struct MoveOnBothAxes {
    bool left = false;  // else right
    int x = 0;
    bool up = false;  // else down
    int y = 0;

    // Bits 0-6 X, bit 7 left, bits 8-14 Y, bit 15 up.
    int Value() const;
    static MoveOnBothAxes FromValue(int value);
    // "→  1,↓  1": the editor's text of a changed move.
    std::string Text() const;
};

// The limits an editor applies to a value when it loses the focus or is confirmed.
int LimitMacroPause(int milliseconds);  // 10..15000
int LimitLoopCount(int count);          // 1..255
int LimitItemPause(int milliseconds);   // 1..15000
// After a direction choice: X 0..127, Y 0..15.
MoveOnBothAxes LimitMoveOnDirection(MoveOnBothAxes move);
// After a distance field is confirmed: X and Y 0..15.
MoveOnBothAxes LimitMoveOnDistance(MoveOnBothAxes move);

}  // namespace quillon
