#include "ui/toolkit/MControl.h"

#include "ui/toolkit/QueuedCall.h"

#include <QPainter>
#include <utility>

#include "ui/toolkit/ControlView.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/Manager.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {

MControl::~MControl() {
    DetachView();
}

void MControl::SetRect(const MRect& rect) {
    {
        auto lock = Lock();
        rect_ = rect;
    }
    Changed();
}

MRect MControl::GetRect() const {
    auto lock = Lock();
    return rect_;
}

void MControl::SetVisible(bool visible) {
    {
        auto lock = Lock();
        visible_ = visible;
    }
    Changed();
}

bool MControl::IsVisible() const {
    auto lock = Lock();
    return visible_;
}

bool MControl::IsShown() const {
    return IsVisible() && (parent_ == nullptr || parent_->IsShown());
}

void MControl::SetEnabled(bool enabled) {
    {
        auto lock = Lock();
        enabled_ = enabled;
    }
    Changed();
}

bool MControl::IsEnabled() const {
    auto lock = Lock();
    return enabled_;
}

void MControl::SetTooltip(const std::string& text) {
    {
        auto lock = Lock();
        tooltip_ = text;
    }
    Changed();
}

std::string MControl::GetTooltip() const {
    auto lock = Lock();
    return tooltip_;
}

void MControl::UpdateControl() {
    Changed();
}

void MControl::SetTitle(const std::string& title) {
    {
        auto lock = Lock();
        title_ = title;
    }
    Changed();
}

std::string MControl::GetTitle() const {
    auto lock = Lock();
    return title_;
}

void MControl::SetFont(const std::string& name, int pixelSize) {
    {
        auto lock = Lock();
        textStyle_.fontName = name;
        textStyle_.fontSize = pixelSize;
    }
    Changed();
}

void MControl::SetFontName(const std::string& name) {
    {
        auto lock = Lock();
        textStyle_.fontName = name;
    }
    Changed();
}

void MControl::SetFontWidth(int pixelSize) {
    {
        auto lock = Lock();
        textStyle_.fontSize = pixelSize;
    }
    Changed();
}

void MControl::SetTextColor(std::uint32_t argb) {
    {
        auto lock = Lock();
        textStyle_.color = argb;
    }
    Changed();
}

std::uint32_t MControl::GetTextColor() const {
    auto lock = Lock();
    return textStyle_.color;
}

void MControl::SetAlignment(int align) {
    {
        auto lock = Lock();
        textStyle_.align = align;
    }
    Changed();
}

void MControl::SetVAlignment(int valign) {
    {
        auto lock = Lock();
        textStyle_.valign = valign;
    }
    Changed();
}

void MControl::SetImage(const std::string& name, int states) {
    {
        auto lock = Lock();
        image_ = name;
        states_ = states;
    }
    Changed();
}

std::string MControl::GetImage() const {
    auto lock = Lock();
    return image_;
}

void MControl::AddMTimer() {
    if (dialog_ != nullptr) {
        dialog_->JoinTimer(this);
    }
}

QWidget* MControl::View() const {
    return view_;
}

void MControl::Paint(QPainter& painter, const ViewState& state) {
    std::string title;
    TextStyle style;
    {
        auto lock = Lock();
        title = title_;
        style = TextStyleLocked();
    }
    skin::DrawText(painter, QRect(0, 0, state.width, state.height), title, style);
}

std::string MControl::TooltipAt(int, int) const {
    return GetTooltip();
}

// Threads and lifetimes. The GUI thread creates controls, gives them views, detaches the views
// and destroys controls with their dialog. Another thread (the device worker) may call a control's
// setters and getters from the control's creation until its dialog is destroyed, never later:
// whoever runs the worker stops it before destroying the windows whose controls it reaches (the
// main window stops it before its pages go), and a window destroyed while the worker runs (the
// wait dialog) is reached only through a lock its destruction takes as well (WaitDialogSlot).
// Within that span the view pointer is the one thing both threads share besides the model: it is
// written only on the GUI thread under viewMutex_, and read here under it by every other thread,
// so a worker never posts to a view that is half made or already handed to deleteLater. A post made
// under the mutex precedes the view's deletion, and Qt drops what is still queued for a deleted
// view; DetachView takes the same mutex, so a post in flight finishes before the view goes.
void MControl::Changed() {
    if (Manager::OnGuiThread()) {
        ApplyToView();
        return;
    }
    std::lock_guard lock(viewMutex_);
    if (view_ == nullptr || applyQueued_) {
        return;
    }
    applyQueued_ = true;
    // Through the view: it outlives the control by a moment (deleted later) and forgets it when
    // the control goes, so a late call finds no control instead of a dead one.
    ControlView* view = view_;
    PostQueuedCall(view, [view] {
        if (MControl* control = view->Control()) {
            {
                std::lock_guard viewLock(control->viewMutex_);
                control->applyQueued_ = false;
            }
            control->ApplyToView();
        }
    });
}

void MControl::Notify(int event, std::intptr_t param) {
    if (dialog_ != nullptr) {
        dialog_->OnMessage(id_, event, param);
    }
}

TextStyle MControl::TextStyleLocked() const {
    TextStyle style = textStyle_;
    if (!enabled_) {
        style.color = (style.color & 0x00FFFFFFu) | 0x80000000u;
    }
    return style;
}

int MControl::ImageState(const ViewState& state) const {
    if (!state.enabled) {
        return 3;
    }
    if (state.pressed) {
        return 2;
    }
    return state.hover ? 1 : 0;
}

void MControl::Attach(MDialog* dialog, int id, MControl* parent) {
    dialog_ = dialog;
    id_ = id;
    parent_ = parent;
    auto lock = Lock();
    if (states_ == 0) {
        states_ = DefaultStates();
    }
}

void MControl::CreateView(QWidget* window) {
    auto* view = new ControlView(this, window);
    view->setAttribute(Qt::WA_TransparentForMouseEvents, !TakesInput());
    if (TakesFocus()) {
        view->setFocusPolicy(Qt::StrongFocus);
    }
    BuildView(*view);
    // Published once it is whole: other threads post to it from here on.
    {
        std::lock_guard lock(viewMutex_);
        view_ = view;
        // A call queued for an earlier view died with it.
        applyQueued_ = false;
    }
    ApplyToView();
}

void MControl::DetachView() {
    ControlView* view = nullptr;
    {
        std::lock_guard lock(viewMutex_);
        view = std::exchange(view_, nullptr);
    }
    if (view == nullptr) {
        return;
    }
    view->Detach();
    view->hide();
    // Later, not now: the control may be destroyed from one of its own view's handlers.
    view->deleteLater();
}

void MControl::ApplyToView() {
    if (view_ == nullptr) {
        return;
    }
    MRect rect;
    bool enabled = true;
    std::string tooltip;
    {
        auto lock = Lock();
        rect = rect_;
        enabled = enabled_;
        tooltip = tooltip_;
        if (states_ == 0) {
            states_ = DefaultStates();
        }
    }
    view_->setGeometry(rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height()));
    view_->setEnabled(enabled);
    if (!TakesInput()) {
        // A label or picture with a hint needs the pointer to show it.
        view_->setAttribute(Qt::WA_TransparentForMouseEvents, tooltip.empty());
    }
    bool shown = IsShown();
    if (view_->isVisibleTo(view_->parentWidget()) != shown) {
        view_->setVisible(shown);
        if (IsContainer() && dialog_ != nullptr) {
            dialog_->ForEachChild(this, [](MControl& child) { child.ApplyToView(); });
        }
    }
    SyncView();
    view_->update();
}

}  // namespace quillon
