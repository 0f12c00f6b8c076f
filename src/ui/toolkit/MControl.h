#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "ui/toolkit/ToolkitTypes.h"

class QPainter;
class QRect;
class QWidget;

namespace quillon {

class MDialog;
class ControlView;

// One pointer event as a view reports it, in the control's own coordinates.
struct PointerEvent {
    int x = 0;
    int y = 0;
    bool right = false;  // right button (else left)
    bool inside = true;  // released inside the control
};

// How the view wants the control drawn.
struct ViewState {
    int width = 0;
    int height = 0;
    bool hover = false;
    bool pressed = false;
    bool enabled = true;
    bool focused = false;  // has the keyboard focus, and the keyboard moved it there
};

// Base of every control. A control's state is its model, kept here under a mutex: setters work
// from any thread and bring the Qt view up to date on the GUI thread (at once when called there,
// else through a queued call); getters read the model, so tests and the device worker see a value
// as soon as it is set. Rectangles are in window client coordinates; a control created inside a
// container (a page area) is shown only while the container is.
class MControl {
  public:
    MControl() = default;
    virtual ~MControl();
    MControl(const MControl&) = delete;
    MControl& operator=(const MControl&) = delete;

    virtual const char* GetClassName() const = 0;
    int GetID() const { return id_; }
    MDialog* GetDialog() const { return dialog_; }
    MControl* GetParent() const { return parent_; }

    void SetRect(const MRect& rect);
    MRect GetRect() const;
    void SetVisible(bool visible);
    bool IsVisible() const;
    // Visible and inside visible containers only.
    bool IsShown() const;
    void SetEnabled(bool enabled);
    bool IsEnabled() const;
    void SetTooltip(const std::string& text);
    std::string GetTooltip() const;
    // Redraws the control.
    void UpdateControl();

    // The title: a caption, a field's text, a panel's heading.
    void SetTitle(const std::string& title);
    std::string GetTitle() const;
    void SetFont(const std::string& name, int pixelSize);
    void SetFontName(const std::string& name);
    void SetFontWidth(int pixelSize);
    void SetTextColor(std::uint32_t argb);
    std::uint32_t GetTextColor() const;
    void SetAlignment(int align);    // kAlign*
    void SetVAlignment(int valign);  // kVAlign*

    // The skin image and its number of state images side by side (normal, hover, pressed,
    // disabled); 0 keeps the class's usual count.
    void SetImage(const std::string& name, int states = 0);
    std::string GetImage() const;

    // Joins the dialog's animation timer (MDialog::SetMTimer): OnTimer runs at every tick.
    void AddMTimer();

    // The Qt widget, for tests and screenshots; GUI thread only.
    QWidget* View() const;

  protected:
    // Called by the view on the GUI thread.
    virtual void Paint(QPainter& painter, const ViewState& state);
    // False: pointer events pass through to what lies below (pictures, panels, labels).
    virtual bool TakesInput() const { return false; }
    virtual void OnPress(const PointerEvent&) {}
    virtual void OnRelease(const PointerEvent&) {}
    virtual void OnDoubleClick(const PointerEvent&) {}
    virtual void OnPointerMove(const PointerEvent&) {}
    virtual void OnWheel(int) {}
    virtual std::string TooltipAt(int x, int y) const;
    // Keyboard: a control that takes the focus is reached with Tab and gets the keys it knows
    // (true when it acted on one); the view draws the focus ring around FocusRect.
    virtual bool TakesFocus() const { return false; }
    virtual bool OnKey(Key) { return false; }
    virtual MRect FocusRect(int width, int height) const { return {0, 0, width, height}; }
    // Adds child widgets (text fields) to a fresh view; LayoutView places them on resizes;
    // SyncView copies the model into them.
    virtual void BuildView(QWidget&) {}
    virtual void LayoutView(int, int) {}
    virtual void SyncView() {}
    virtual void OnTimer() {}
    virtual int DefaultStates() const { return 1; }
    virtual bool IsContainer() const { return false; }

    // The model changed: update the view (now on the GUI thread, else queued once).
    void Changed();
    // Sends an event to the dialog's OnMessage; GUI thread.
    void Notify(int event, std::intptr_t param = 0);
    std::unique_lock<std::mutex> Lock() const { return std::unique_lock(mutex_); }
    TextStyle TextStyleLocked() const;
    int ImageState(const ViewState& state) const;  // 0 normal, 1 hover, 2 pressed, 3 disabled

    // The model's common part; read and written under Lock().
    MRect rect_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string tooltip_;
    std::string title_;
    TextStyle textStyle_;
    std::string image_;
    int states_ = 0;

  private:
    friend class MDialog;
    friend class ControlView;

    void Attach(MDialog* dialog, int id, MControl* parent);
    void CreateView(QWidget* window);
    void DetachView();
    void ApplyToView();

    mutable std::mutex mutex_;
    int id_ = 0;
    MDialog* dialog_ = nullptr;
    MControl* parent_ = nullptr;
    // Written on the GUI thread under viewMutex_ only; other threads read it under that mutex
    // (see Changed), the GUI thread reads it freely.
    mutable std::mutex viewMutex_;
    ControlView* view_ = nullptr;
    bool applyQueued_ = false;  // under viewMutex_
};

}  // namespace quillon
