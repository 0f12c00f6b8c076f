#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

#include "protocol/DeviceTask.h"

namespace quillon {

// First-in first-out list of device task ids shared by the window thread (producer) and the
// device worker (consumer). No de-duplication, no bound; every operation is atomic.
class TaskQueue {
  public:
    void Enqueue(int id);
    void Enqueue(DeviceTask task) { Enqueue(static_cast<int>(task)); }

    // Removes the front id into `id`; false when the queue is empty.
    bool TryTake(int& id);
    bool Empty() const;
    std::size_t Size() const;

    // Called after every Enqueue, outside the queue's lock: the worker uses it to end an idle
    // pause at once instead of at the end of its interval.
    void SetWakeHandler(std::function<void()> handler);

  private:
    mutable std::mutex mutex_;
    std::deque<int> ids_;
    std::function<void()> wake_;
};

}  // namespace quillon
