#include "input/RawInputBuffer.h"

namespace quillon {

std::uintptr_t RawInputBuffer::Put(const RawInput& raw) {
    std::lock_guard lock(mutex_);
    const std::uintptr_t handle = next_++;
    Slot& slot = slots_[handle % kSlots];
    slot.handle = handle;
    slot.raw = raw;
    return handle;
}

bool RawInputBuffer::Take(std::uintptr_t handle, RawInput& raw) {
    std::lock_guard lock(mutex_);
    Slot& slot = slots_[handle % kSlots];
    if (handle == 0 || slot.handle != handle) {
        return false;
    }
    raw = std::move(slot.raw);
    slot.handle = 0;
    return true;
}

}  // namespace quillon
