#pragma once

namespace quillon {

// Numbered units of device work, queued by the window thread and run by the device worker.
// The queue carries plain ids: an id outside this list is taken off the queue and ignored.
enum class DeviceTask : int {
    InitialLoad = 1,
    DeviceArrived = 2,
    DeviceRemoved = 3,
    SwitchProfile = 5,
    ApplyToDevice = 6,
    ReadFromDevice = 7,
    WriteCurrentDpi = 10,
    RestoreDefaults = 15,
    FactoryReset = 16,
};

// Window messages the worker posts to the window thread.
inline constexpr unsigned MSG_TASK_DONE = 1714;    // lParam: one of the kTaskDone outcomes
inline constexpr unsigned MSG_DPI_CHANGED = 1719;  // lParam: DPI << 16 | stage 1..6

inline constexpr long kTaskDoneApplied = 1;
inline constexpr long kTaskDoneRestored = 2;
// ApplyToDevice sent nothing: the stored macros do not fit the mouse, and button tables that
// point into a macro table the mouse does not hold would play the wrong macros. The reason
// (the macro that does not fit, the bytes over) is the command set's MacroProblem().
inline constexpr long kTaskDoneMacrosRefused = 3;

}  // namespace quillon
