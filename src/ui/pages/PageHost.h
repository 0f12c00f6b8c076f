#pragma once

#include <cstdint>
#include <string>

#include "protocol/DeviceTask.h"

namespace quillon {

class MDialog;
class Page;
class SettingsStore;

// The pages of the main window, in tab order.
enum class PageKind { Home, Buttons, Performance, Macros, Settings };

// What a page may ask of the main window. The controller implements it; page tests use a small
// host over a real database, so a page never needs the controller to be built or tested.
// Everything here is for the GUI thread, except what says "any thread".
class PageHost {
  public:
    virtual ~PageHost() = default;

    // The dialog the page creates its controls in, and the owner of its dialogs and boxes.
    virtual MDialog& Dialog() = 0;
    virtual SettingsStore& Store() = 0;

    // 1-based profile the pages edit (any thread). Setting it also marks it active in the
    // database.
    virtual int ActiveProfile() const = 0;
    virtual void SetActiveProfile(int profile) = 0;
    // 0 cable, 1 receiver, 2 Bluetooth, 3 second receiver kind, -1 none (any thread).
    virtual int ConnectionMode() const = 0;
    // A mouse that takes commands is connected (any thread).
    virtual bool IsConnected() const = 0;

    // Appends a device task for the worker (any thread).
    virtual void Enqueue(DeviceTask task) = 0;
    // Appends the task and shows the wait dialog until the worker closes it.
    virtual void RunTaskWithWaitDialog(DeviceTask task) = 0;
    // The program's message box with the texts of two ids; kIdOk or kIdCancel.
    virtual int ShowMessageBox(int titleId, int textId, int style) = 0;
    // The window's one-line notice; empty text removes it (any thread).
    virtual void ShowMessageLine(const std::string& text) = 0;
    // Queues a window message for the GUI thread (any thread).
    virtual void PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;

    // Key code (1..9) of the button selected in the mouse picture, 0 for none (any thread).
    virtual int SelectedButton() const = 0;
    virtual void SetSelectedButton(int keyCode) = 0;
    // Control id (101..106) of the highlighted DPI stage (any thread).
    virtual int HighlightedStage() const = 0;
    virtual void SetHighlightedStage(int controlId) = 0;
    // Client height / 780, set by every layout (any thread).
    virtual float UiScale() const = 0;

    // Another page of the window, or null when it is not built (tests host one page only).
    virtual Page* FindPage(PageKind kind) = 0;
    // Enables or disables the main tab control (the macro recorder locks the tabs).
    virtual void SetTabsEnabled(bool enabled) = 0;
    // The program's message box with a title id and a composed message (a reason that names a
    // file, say); kIdOk or kIdCancel.
    virtual int ShowMessageBoxText(int titleId, const std::string& text, int style) = 0;
};

}  // namespace quillon
