#include "input/MacroRecorder.h"

#include <algorithm>

#include "input/MacroItems.h"

namespace quillon {

void MacroRecorder::Start(PauseMode mode, int fixedPause, std::uint32_t tick) {
    mode_ = mode;
    fixedPause_ = fixedPause;
    counter_ = tick;
    previousTime_.reset();
}

int MacroRecorder::NextStamp() {
    return static_cast<int>(++counter_);
}

MacroRecorder::Outcome MacroRecorder::RecordEvent(const InputEvent& event,
                                                  bool pointerOnRecordButton,
                                                  std::vector<MacroItem>& items) {
    if (event.kind == InputEvent::kNothing ||
        (event.kind == InputEvent::kMouse && pointerOnRecordButton)) {
        return Outcome::Ignored;
    }
    int type = 0;
    if (event.kind == InputEvent::kMouse) {
        type = event.up ? kItemMouseUp : kItemMouseDown;
    } else if (event.kind == InputEvent::kKeyboard) {
        type = event.up ? kItemKeyUp : kItemKeyDown;
    } else {
        return Outcome::Ignored;
    }
    // A list that is full already (a long macro before the recording) takes nothing more.
    if (static_cast<int>(items.size()) >= kMaxMacroItems) {
        return Outcome::LimitReached;
    }

    int pause = 0;
    if (mode_ == PauseMode::Measured) {
        if (previousTime_) {
            const std::uint32_t elapsed = event.time - *previousTime_;
            pause = static_cast<int>(std::min<std::uint32_t>(elapsed, kLongestPause));
        }
        previousTime_ = event.time;
    } else if (mode_ == PauseMode::Fixed) {
        pause = fixedPause_;
    }
    if (pause != 0) {
        MacroItem item;
        item.type = kItemPause;
        item.value = pause;
        item.desc = PauseItemText(pause);
        item.delay_time = NextStamp();
        items.push_back(std::move(item));
        if (static_cast<int>(items.size()) >= kMaxMacroItems) {
            return Outcome::LimitReached;
        }
    }

    MacroItem item;
    item.type = type;
    item.value = event.code;
    item.desc = (event.up ? kArrowUp : kArrowDown) + event.name;
    item.delay_time = NextStamp();
    items.push_back(std::move(item));
    return static_cast<int>(items.size()) >= kMaxMacroItems ? Outcome::LimitReached
                                                            : Outcome::Added;
}

}  // namespace quillon
