#pragma once

#include "platform/InstanceMessage.h"
#include "protocol/DeviceTask.h"

namespace quillon {

// Window messages of the main window besides those of the worker (protocol/DeviceTask.h), of
// other processes (platform/InstanceMessage.h) and of the tray (app/SystemTray.h). Pages that
// handle one of them get it through Page::OnWindowMessage.
inline constexpr unsigned WM_INPUT = 0xFF;           // raw input for the macro recorder
inline constexpr unsigned WM_DEVICECHANGE = 0x219;   // wParam kDeviceArrival / kDeviceRemoval
inline constexpr unsigned MSG_MOUSE_AT_EDGE = 1579;  // wParam 1 left, 2 right, 0 neither
inline constexpr unsigned MSG_MACRO_MENU = 1709;     // lParam 101 or 102
inline constexpr unsigned MSG_INSERT_MENU = 1710;    // lParam: the chosen item
inline constexpr unsigned MSG_ITEM_MENU = 1711;      // lParam: the chosen item

inline constexpr unsigned long kDeviceArrival = 0x8000;  // DBT_DEVICEARRIVAL
inline constexpr unsigned long kDeviceRemoval = 0x8004;  // DBT_DEVICEREMOVECOMPLETE

// lParam of MSG_QUIT_REQUEST that ends the program; any other value does nothing.
inline constexpr long kQuitRequestCode = 610;

}  // namespace quillon
