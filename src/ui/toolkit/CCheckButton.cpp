#include "ui/toolkit/CCheckButton.h"

#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CCheckButton::SetCheck(bool checked) {
    MDialog* dialog = GetDialog();
    std::string group = GetGroupName();
    if (group.empty() || dialog == nullptr) {
        {
            auto lock = Lock();
            checked_ = checked;
        }
        Changed();
        return;
    }
    // The whole group changes under its dialog's one group lock, so a worker refresh and a click
    // at the same moment leave one of their two members checked, never both and never neither.
    // The views follow once the lock is released: updating a view may run a handler that checks
    // a member itself.
    std::vector<CCheckButton*> cleared;
    {
        std::lock_guard groupLock(dialog->groupsMutex_);
        if (checked) {
            for (MControl* control : dialog->GetControls()) {
                auto* other = dynamic_cast<CCheckButton*>(control);
                if (other == nullptr || other == this) {
                    continue;
                }
                auto lock = other->Lock();
                if (other->group_ == group && other->checked_) {
                    other->checked_ = false;
                    cleared.push_back(other);
                }
            }
        }
        auto lock = Lock();
        checked_ = checked;
    }
    for (CCheckButton* other : cleared) {
        other->Changed();
    }
    Changed();
}

bool CCheckButton::GetCheck() const {
    auto lock = Lock();
    return checked_;
}

void CCheckButton::SetGroupName(const std::string& group) {
    // Joining or leaving a group is a change of that group too.
    std::unique_lock<std::mutex> groupLock;
    if (GetDialog() != nullptr) {
        groupLock = std::unique_lock(GetDialog()->groupsMutex_);
    }
    auto lock = Lock();
    group_ = group;
}

std::string CCheckButton::GetGroupName() const {
    auto lock = Lock();
    return group_;
}

void CCheckButton::Clicked() {
    if (GetGroupName().empty()) {
        SetCheck(!GetCheck());
    } else {
        SetCheck(true);
    }
}

bool CCheckButton::OnKey(Key key) {
    if (key != Key::Enter && key != Key::Space) {
        return false;
    }
    Clicked();
    Notify(kEventClick);
    return true;
}

void CCheckButton::OnRelease(const PointerEvent& event) {
    if (event.inside && !event.right) {
        Clicked();
        Notify(kEventClick);
    }
}

void CCheckButton::Paint(QPainter& painter, const ViewState& state) {
    std::string title;
    TextStyle style;
    bool checked = false;
    {
        auto lock = Lock();
        title = title_;
        style = TextStyleLocked();
        checked = checked_;
    }
    int side = std::min(18, state.height);
    QRect box(0, (state.height - side) / 2, side, side);
    PaintMark(painter, box, checked, state);
    skin::DrawText(painter, QRect(box.right() + 9, 0, state.width - box.right() - 9, state.height),
                   title, style);
}

void CCheckButton::PaintMark(QPainter& painter, const QRect& box, bool checked,
                             const ViewState& state) {
    std::string image;
    int states = 2;
    {
        auto lock = Lock();
        image = image_;
        states = states_;
    }
    if (skin::DrawImage(painter, image, states, checked ? 1 : 0, box)) {
        return;
    }
    QColor border = skin::Color(state.hover ? skin::kAccent : skin::kMuted);
    QColor fill = skin::Color(checked ? skin::kAccent : skin::kField);
    skin::FillRounded(painter, QRectF(box), fill, checked ? fill : border, 4);
    if (checked) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.25, box.top() + box.height() * 0.52);
        tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.70);
        tick.lineTo(box.left() + box.width() * 0.76, box.top() + box.height() * 0.32);
        painter.drawPath(tick);
        painter.restore();
    }
}

}  // namespace quillon
