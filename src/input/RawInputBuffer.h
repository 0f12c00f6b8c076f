#pragma once

#include <array>
#include <cstdint>
#include <mutex>

#include "input/RawInput.h"

namespace quillon {

// Hands raw input from the event source's thread to the window thread: the source puts a report
// and posts its handle in the raw-input message; the window takes it back by that handle. A
// handle taken once, or so old that newer reports have overwritten it, yields nothing, as
// unreadable raw input does. Safe from any thread.
class RawInputBuffer {
  public:
    // Never 0.
    std::uintptr_t Put(const RawInput& raw);
    // False when the handle holds nothing (any more).
    bool Take(std::uintptr_t handle, RawInput& raw);

  private:
    static constexpr std::size_t kSlots = 1024;
    struct Slot {
        std::uintptr_t handle = 0;
        RawInput raw;
    };

    std::mutex mutex_;
    std::array<Slot, kSlots> slots_{};
    std::uintptr_t next_ = 1;
};

}  // namespace quillon
