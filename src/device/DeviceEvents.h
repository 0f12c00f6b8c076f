#pragma once

#include <functional>

namespace quillon {

// Device task ids that hot-plug handling queues; the task queue numbers its tasks the same way.
inline constexpr int kTaskDeviceArrived = 2;
inline constexpr int kTaskDeviceRemoved = 3;

// Appends a task id to the device task queue; returns at once.
using EnqueueTask = std::function<void(int taskId)>;

}  // namespace quillon
