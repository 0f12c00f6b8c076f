#include "ui/toolkit/MWindow.h"

#include "ui/toolkit/QueuedCall.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ui/toolkit/QueuedCall.h"
#include "ui/toolkit/SkinPainter.h"
#include "ui/toolkit/WindowView.h"

namespace quillon {

MWindow::MWindow() : poster_(new QObject), alive_(std::make_shared<std::atomic<bool>>(true)) {}

MWindow::~MWindow() {
    alive_->store(false);
    if (loop_ != nullptr) {
        loop_->exit();
    }
    DestroyWindow();
    delete poster_;
}

bool MWindow::Create(MWindow* parent, const std::string& title, std::uint32_t style,
                     std::uint32_t exStyle, const MRect& rect) {
    if (view_ != nullptr) {
        return false;
    }
    parent_ = parent;
    Qt::WindowFlags flags = (exStyle & kWsExToolWindow) ? Qt::Tool : Qt::Window;
    if (style & kWsPopup) {
        flags |= Qt::FramelessWindowHint;
    }
    if (exStyle & kWsExTopmost) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    QWidget* parentView = parent != nullptr ? parent->View() : nullptr;
    view_ = new WindowView(this, parentView, flags);
    view_->setWindowTitle(QString::fromStdString(title));
    // Texts are typed key by key into the fields; an input method would compose them instead.
    view_->setAttribute(Qt::WA_InputMethodEnabled, false);
    if (Translucent()) {
        view_->setAttribute(Qt::WA_TranslucentBackground);
    }
    view_->setGeometry(rect.left, rect.top, std::max(1, rect.Width()), std::max(1, rect.Height()));
    OnCreated();
    if (view_ != nullptr && (style & kWsVisible)) {
        view_->show();
    }
    return view_ != nullptr;
}

int MWindow::ShowModal(int showCommand) {
    if (view_ == nullptr) {
        return kIdCancel;
    }
    auto alive = alive_;
    if (parent_ != nullptr && view_->windowModality() == Qt::NonModal) {
        bool wasVisible = view_->isVisible();
        view_->hide();
        view_->setWindowModality(Qt::ApplicationModal);
        view_->setVisible(wasVisible);
    }
    ShowWindow(showCommand);
    bool endedEarly = false;
    {
        std::lock_guard lock(endMutex_);
        endedEarly = endPending_;
    }
    if (!endedEarly) {
        QEventLoop loop;
        loop_ = &loop;
        AnnounceModalRun();
        loop.exec(QEventLoop::DialogExec);
        if (!alive->load()) {
            return kIdCancel;
        }
        loop_ = nullptr;
    }
    int result = kIdCancel;
    {
        std::lock_guard lock(endMutex_);
        endPending_ = false;
        result = endResult_;
    }
    if (view_ != nullptr) {
        view_->hide();
    }
    return result;
}

void MWindow::EndModal(int result) {
    std::lock_guard lock(endMutex_);
    endPending_ = true;
    endResult_ = result;
    PostToGui([this] {
        if (loop_ != nullptr) {
            loop_->exit();
        }
    });
}

void MWindow::CenterWindow(MWindow* relativeTo) {
    if (view_ == nullptr) {
        return;
    }
    MWindow* around = relativeTo != nullptr ? relativeTo : parent_;
    QRect area;
    if (around != nullptr && around->View() != nullptr) {
        area = around->View()->geometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    QRect frame = view_->geometry();
    view_->move(area.left() + (area.width() - frame.width()) / 2,
                area.top() + (area.height() - frame.height()) / 2);
}

void MWindow::ShowWindow(int showCommand) {
    if (view_ == nullptr) {
        return;
    }
    switch (showCommand) {
        case kSwHide:
            view_->hide();
            break;
        case kSwShowMinimized:
        case kSwMinimize:
            view_->showMinimized();
            break;
        default:
            view_->showNormal();
            view_->raise();
            break;
    }
}

void MWindow::DestroyWindow() {
    if (view_ == nullptr) {
        return;
    }
    BeforeDestroy();
    EndModal(kIdCancel);
    WindowView* view = view_;
    view_ = nullptr;
    view->Detach();
    view->hide();
    // Later, not now: the call may come from an event handler of this very window.
    view->deleteLater();
}

void MWindow::SetTopMost(bool topMost) {
    if (view_ == nullptr) {
        return;
    }
    bool wasVisible = view_->isVisible();
    view_->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    view_->setVisible(wasVisible);
}

bool MWindow::IsWindowVisible() const {
    return view_ != nullptr && view_->isVisible();
}

MWindow* MWindow::GetSafeHwnd() {
    return view_ != nullptr ? this : nullptr;
}

void MWindow::PostMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    PostToGui([this, message, wParam, lParam] { OnWindowMessage(message, wParam, lParam); });
}

void MWindow::PostToGui(std::function<void()> fn) {
    PostQueuedCall(poster_, std::move(fn));
}

std::intptr_t MWindow::OnWindowMessage(std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

MRect MWindow::GetWindowRect() const {
    if (view_ == nullptr) {
        return {};
    }
    QRect r = view_->geometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

MRect MWindow::GetClientRect() const {
    return view_ == nullptr ? MRect{} : MRect{0, 0, view_->width(), view_->height()};
}

void MWindow::ClientToScreen(int& x, int& y) const {
    if (view_ != nullptr) {
        QPoint global = view_->mapToGlobal(QPoint(x, y));
        x = global.x();
        y = global.y();
    }
}

QWidget* MWindow::View() const {
    return view_;
}

void MWindow::OnResized(int, int) {}

void MWindow::OnClose() {
    EndModal(kIdCancel);
}

void MWindow::PaintBackground(QPainter& painter, int width, int height) {
    painter.fillRect(0, 0, width, height, skin::Color(kColorPage | 0xFF000000u));
}

bool PostMessage(MWindow* window, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) {
    if (window == nullptr) {
        return false;
    }
    window->PostMessage(message, wParam, lParam);
    return true;
}

}  // namespace quillon
