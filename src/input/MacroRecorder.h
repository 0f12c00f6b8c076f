#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "input/InputEvent.h"
#include "store/Records.h"

namespace quillon {

// Turns decoded input events into macro items while a recording runs: a pause item before each
// event (measured, fixed or none), then the press or release item. Items get distinct, rising
// time stamps from a counter that starts at the tick count of the start, so each recorded item
// is edited and deleted on its own.
class MacroRecorder {
  public:
    enum class PauseMode { None = 0, Measured = 1, Fixed = 2 };
    enum class Outcome { Ignored, Added, LimitReached };

    // Measured pauses longer than this are recorded as this.
    static constexpr int kLongestPause = 15000;

    void Start(PauseMode mode, int fixedPause, std::uint32_t tick);

    // Appends the event's items to `items`. Repeats add nothing, and so do mouse events while
    // the pointer is on the record button (the click that stops the recording). LimitReached
    // when the list has reached its limit: the recording must end, and an event whose pause
    // item filled the list is dropped.
    Outcome RecordEvent(const InputEvent& event, bool pointerOnRecordButton,
                        std::vector<MacroItem>& items);

  private:
    int NextStamp();

    PauseMode mode_ = PauseMode::None;
    int fixedPause_ = 0;
    std::uint32_t counter_ = 0;
    std::optional<std::uint32_t> previousTime_;
};

}  // namespace quillon
