#include "input/MacroSteps.h"

#include <array>
#include <cstdlib>

#include "input/MacroItems.h"
#include "input/NamedKeys.h"
#include "platform/NumberText.h"

namespace quillon {
namespace {

constexpr std::array<int, 5> kMouseMasks = {kMouseLeft, kMouseRight, kMouseMiddle, kMouseBackward,
                                            kMouseForward};
constexpr int kMaxMoveX = 127;
constexpr int kMaxMoveY = 15;
constexpr int kMinPause = 1;
constexpr int kMaxPause = 15000;

// A press or release: "+A", "-LB".
bool PressOrRelease(const std::string& step, int stamp, std::vector<MacroItem>& out) {
    if (step.size() < 2 || (step[0] != '+' && step[0] != '-')) {
        return false;
    }
    const bool down = step[0] == '+';
    const std::string name = step.substr(1);
    const char* arrow = down ? kArrowDown : kArrowUp;
    for (int mask : kMouseMasks) {
        if (MouseButtonName(mask) == name) {
            out.push_back(
                MakeMacroItem(down ? kItemMouseDown : kItemMouseUp, mask, arrow + name, stamp));
            return true;
        }
    }
    if (std::optional<CapturedKey> key = KeyOfName(name)) {
        out.push_back(
            MakeMacroItem(down ? kItemKeyDown : kItemKeyUp, key->code, arrow + key->name, stamp));
        return true;
    }
    return false;
}

// "scroll-up": the click pair that the editor turns into a wheel step.
bool Scroll(const std::string& step, int stamp, std::vector<MacroItem>& out) {
    if (step != "scroll-up" && step != "scroll-down") {
        return false;
    }
    const bool up = step == "scroll-up";
    const std::string desc =
        up ? std::string(kArrowUp) + kScrollUpName : std::string(kArrowDown) + kScrollDownName;
    out.push_back(MakeMacroItem(kItemMouseDown, 1, desc, stamp));
    out.push_back(MakeMacroItem(kItemMouseUp, 2, desc, stamp));
    return true;
}

bool Pause(const std::string& step, int stamp, std::vector<MacroItem>& out) {
    int ms = 0;
    if (step.size() < 2 || step[0] != 't' || !ParseWholeInt(step.substr(1), ms) || ms < kMinPause ||
        ms > kMaxPause) {
        return false;
    }
    out.push_back(MakeMacroItem(kItemPause, ms, PauseItemText(ms), stamp));
    return true;
}

bool Move(const std::string& xText, const std::string& yText, int stamp,
          std::vector<MacroItem>& out) {
    int x = 0;
    int y = 0;
    if (!ParseWholeInt(xText, x) || !ParseWholeInt(yText, y) || std::abs(x) > kMaxMoveX ||
        std::abs(y) > kMaxMoveY) {
        return false;
    }
    const MoveOnBothAxes move{x < 0, std::abs(x), y < 0, std::abs(y)};
    out.push_back(MakeMacroItem(kItemMoveXY, move.Value(), move.Text(), stamp));
    return true;
}

}  // namespace

bool ParseMacroSteps(const std::vector<std::string>& steps, int firstStamp,
                     std::vector<MacroItem>& items, std::string& reason) {
    std::vector<MacroItem> parsed;
    int stamp = firstStamp;
    for (size_t i = 0; i < steps.size(); ++i, ++stamp) {
        const std::string& step = steps[i];
        bool ok = false;
        if (step == "move") {
            ok = i + 2 < steps.size() && Move(steps[i + 1], steps[i + 2], stamp, parsed);
            reason = "step " + std::to_string(i + 1) +
                     " 'move' needs X (-127..127) and Y (-15..15), e.g. move 5 -3";
            i += 2;
        } else {
            ok = PressOrRelease(step, stamp, parsed) || Scroll(step, stamp, parsed) ||
                 Pause(step, stamp, parsed);
            reason = "step " + std::to_string(i + 1) + " '" + step +
                     "' is none of +KEY, -KEY, +LB…-Forward, t1..t15000, scroll-up, "
                     "scroll-down, move X Y ('quillonctl keys' lists the key names)";
        }
        if (!ok) {
            return false;
        }
        if (parsed.size() > static_cast<size_t>(kMaxMacroItems)) {
            reason = "a macro holds at most " + std::to_string(kMaxMacroItems) + " items; step " +
                     std::to_string(i + 1) + " makes " + std::to_string(parsed.size());
            return false;
        }
    }
    reason.clear();
    items = std::move(parsed);
    return true;
}

}  // namespace quillon
