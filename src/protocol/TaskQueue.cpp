#include "protocol/TaskQueue.h"

#include <utility>

namespace quillon {

void TaskQueue::Enqueue(int id) {
    std::function<void()> wake;
    {
        std::lock_guard lock(mutex_);
        ids_.push_back(id);
        wake = wake_;
    }
    if (wake) {
        wake();
    }
}

bool TaskQueue::TryTake(int& id) {
    std::lock_guard lock(mutex_);
    if (ids_.empty()) {
        return false;
    }
    id = ids_.front();
    ids_.pop_front();
    return true;
}

bool TaskQueue::Empty() const {
    std::lock_guard lock(mutex_);
    return ids_.empty();
}

std::size_t TaskQueue::Size() const {
    std::lock_guard lock(mutex_);
    return ids_.size();
}

void TaskQueue::SetWakeHandler(std::function<void()> handler) {
    std::lock_guard lock(mutex_);
    wake_ = std::move(handler);
}

}  // namespace quillon
