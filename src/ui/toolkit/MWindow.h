#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "ui/toolkit/MObject.h"
#include "ui/toolkit/ToolkitTypes.h"

class QEventLoop;
class QObject;
class QPainter;
class QWidget;

namespace quillon {

class WindowView;

// A top-level window. Created, shown and destroyed on the GUI thread; PostMessage and EndModal
// work from any thread.
class MWindow : public MObject {
  public:
    MWindow();
    ~MWindow() override;

    // Creates the window at `rect` (screen coordinates) above `parent` (may be null). Styles are
    // the kWs* flags: a popup has no frame, a tool window no task-bar entry, kWsVisible shows it.
    bool Create(MWindow* parent, const std::string& title, std::uint32_t style,
                std::uint32_t exStyle, const MRect& rect);
    // Shows the window with a kSw* command and runs its loop until EndModal (DoOK, DoCancel),
    // from this or any other thread; returns the result given there. An end requested before the
    // run began ends it at once. A window with a parent blocks input to the others meanwhile.
    int ShowModal(int showCommand);
    void EndModal(int result);

    // Centres on `relativeTo`, or on the parent when null, or on the screen without a parent.
    void CenterWindow(MWindow* relativeTo);
    virtual void ShowWindow(int showCommand);
    void DestroyWindow();
    void SetTopMost(bool topMost);
    bool IsWindowVisible() const;

    // The handle other threads post messages to; null before Create and after DestroyWindow.
    MWindow* GetSafeHwnd();
    // Queues OnWindowMessage on the GUI thread, in posting order. Safe from any thread.
    void PostMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    // Raw window messages: posted ones and those the toolkit does not handle itself.
    virtual std::intptr_t OnWindowMessage(std::uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam);

    MRect GetWindowRect() const;  // screen coordinates
    MRect GetClientRect() const;  // (0, 0, width, height)
    void ClientToScreen(int& x, int& y) const;
    MWindow* GetParentWindow() const { return parent_; }
    QWidget* View() const;  // the Qt window, for tests and screenshots

  protected:
    // Hooks for MDialog, on the GUI thread.
    virtual void OnCreated() {}
    virtual void OnResized(int width, int height);
    virtual void PaintBackground(QPainter& painter, int width, int height);
    virtual void BeforeDestroy() {}
    virtual bool DragEnabled() const { return false; }
    virtual bool Translucent() const { return false; }
    virtual void AnnounceModalRun() {}
    // The window manager asks to close the window (Alt+F4, a frame's close button). The window
    // itself decides; by default the modal run ends with kIdCancel.
    virtual void OnClose();
    // Runs fn on the GUI thread later; dropped when this window object is destroyed first.
    // Safe from any thread.
    void PostToGui(std::function<void()> fn);

  private:
    friend class WindowView;

    MWindow* parent_ = nullptr;
    WindowView* view_ = nullptr;
    QObject* poster_ = nullptr;
    QEventLoop* loop_ = nullptr;
    std::shared_ptr<std::atomic<bool>> alive_;
    std::mutex endMutex_;
    bool endPending_ = false;
    int endResult_ = kIdCancel;
};

// Thread-safe message posting to a window handle; false when the handle is null.
bool PostMessage(MWindow* window, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam);

}  // namespace quillon
