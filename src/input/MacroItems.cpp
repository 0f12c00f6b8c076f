#include "input/MacroItems.h"

#include <algorithm>
#include <utility>

namespace quillon {

MacroItem MakeMacroItem(int type, int value, std::string desc, int stamp) {
    MacroItem item;
    item.type = type;
    item.value = value;
    item.desc = std::move(desc);
    item.delay_time = stamp;
    return item;
}

std::string PauseItemText(int milliseconds) {
    return " -   " + std::to_string(milliseconds) + " ms";
}

int MoveOnBothAxes::Value() const {
    return (x & 0x7F) | (left ? 0x80 : 0) | ((y & 0x7F) << 8) | (up ? 0x8000 : 0);
}

MoveOnBothAxes MoveOnBothAxes::FromValue(int value) {
    return {(value & 0x80) != 0, value & 0x7F, (value & 0x8000) != 0, (value >> 8) & 0x7F};
}

std::string MoveOnBothAxes::Text() const {
    return std::string(left ? kArrowLeft : kArrowRight) + std::to_string(x) + "," +
           (up ? kArrowUp : kArrowDown) + std::to_string(y);
}

int LimitMacroPause(int milliseconds) {
    return std::clamp(milliseconds, 10, 15000);
}

int LimitLoopCount(int count) {
    return std::clamp(count, 1, 255);
}

int LimitItemPause(int milliseconds) {
    return std::clamp(milliseconds, 1, 15000);
}

MoveOnBothAxes LimitMoveOnDirection(MoveOnBothAxes move) {
    move.x = std::clamp(move.x, 0, 127);
    move.y = std::clamp(move.y, 0, 15);
    return move;
}

MoveOnBothAxes LimitMoveOnDistance(MoveOnBothAxes move) {
    move.x = std::clamp(move.x, 0, 15);
    move.y = std::clamp(move.y, 0, 15);
    return move;
}

}  // namespace quillon
