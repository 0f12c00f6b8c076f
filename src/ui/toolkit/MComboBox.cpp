#include "ui/toolkit/MComboBox.h"

#include <QMenu>
#include <QPainter>
#include <QPointer>

#include "ui/toolkit/ControlView.h"
#include "ui/toolkit/PopupMenu.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {

int MComboBox::AddItem(const std::string& text, int data) {
    int index = 0;
    {
        auto lock = Lock();
        items_.push_back({text, data});
        index = static_cast<int>(items_.size()) - 1;
    }
    Changed();
    return index;
}

void MComboBox::DelAllItems() {
    {
        auto lock = Lock();
        items_.clear();
        selected_ = -1;
        hasShowText_ = false;
    }
    Changed();
}

int MComboBox::GetCount() const {
    auto lock = Lock();
    return static_cast<int>(items_.size());
}

void MComboBox::SetItemText(int index, const std::string& text) {
    {
        auto lock = Lock();
        if (index < 0 || index >= static_cast<int>(items_.size())) {
            return;
        }
        items_[static_cast<size_t>(index)].text = text;
    }
    Changed();
}

std::string MComboBox::GetItemText(int index) const {
    auto lock = Lock();
    return index >= 0 && index < static_cast<int>(items_.size())
               ? items_[static_cast<size_t>(index)].text
               : std::string();
}

void MComboBox::SetItemData(int index, int data) {
    auto lock = Lock();
    if (index >= 0 && index < static_cast<int>(items_.size())) {
        items_[static_cast<size_t>(index)].data = data;
    }
}

int MComboBox::GetItemData(int index) const {
    auto lock = Lock();
    return index >= 0 && index < static_cast<int>(items_.size())
               ? items_[static_cast<size_t>(index)].data
               : -1;
}

void MComboBox::SetCurSel(int index) {
    {
        auto lock = Lock();
        selected_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
        hasShowText_ = false;
    }
    Changed();
}

int MComboBox::GetCurSel() const {
    auto lock = Lock();
    return selected_;
}

bool MComboBox::SelectData(int data) {
    int found = -1;
    {
        auto lock = Lock();
        for (size_t i = 0; i < items_.size(); ++i) {
            if (items_[i].data == data) {
                found = static_cast<int>(i);
                break;
            }
        }
    }
    if (found < 0) {
        return false;
    }
    SetCurSel(found);
    return true;
}

int MComboBox::GetCurData() const {
    auto lock = Lock();
    return selected_ >= 0 ? items_[static_cast<size_t>(selected_)].data : -1;
}

void MComboBox::SetShowText(const std::string& text) {
    {
        auto lock = Lock();
        showText_ = text;
        hasShowText_ = true;
    }
    Changed();
}

std::string MComboBox::GetShowText() const {
    auto lock = Lock();
    if (hasShowText_) {
        return showText_;
    }
    return selected_ >= 0 ? items_[static_cast<size_t>(selected_)].text : std::string();
}

void MComboBox::Choose(int index) {
    SetCurSel(index);
    Notify(kEventClick, index);
}

void MComboBox::OnRelease(const PointerEvent& event) {
    auto* view = static_cast<ControlView*>(View());
    if (!event.inside || event.right || view == nullptr) {
        return;
    }
    std::vector<Item> items;
    int selected = -1;
    {
        auto lock = Lock();
        items = items_;
        selected = selected_;
    }
    if (items.empty()) {
        return;
    }
    QMenu* menu = NewPopupMenu(view);
    QPointer<ControlView> guard(view);
    for (size_t i = 0; i < items.size(); ++i) {
        QAction* action = menu->addAction(QString::fromStdString(items[i].text));
        action->setCheckable(true);
        action->setChecked(static_cast<int>(i) == selected);
        int index = static_cast<int>(i);
        QObject::connect(action, &QAction::triggered, view, [guard, index] {
            if (guard && guard->Control() != nullptr) {
                static_cast<MComboBox*>(guard->Control())->Choose(index);
            }
        });
    }
    menu->setMinimumWidth(view->width());
    menu->popup(view->mapToGlobal(QPoint(0, view->height() + 2)));
}

void MComboBox::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    int states = 4;
    TextStyle style;
    {
        auto lock = Lock();
        image = image_;
        states = states_;
        style = TextStyleLocked();
    }
    std::string shown = GetShowText();
    QRect all(0, 0, state.width, state.height);
    if (!skin::DrawImage(painter, image, states, ImageState(state), all)) {
        skin::FillRounded(painter, QRectF(all),
                          skin::Color(state.hover ? skin::kHover : skin::kField),
                          skin::Color(skin::kBorder), 6);
    }
    style.align = kAlignLeft;
    skin::DrawText(painter, all.adjusted(10, 0, -28, 0), shown, style);
    skin::DrawGlyph(painter, QRectF(state.width - 26, (state.height - 14) / 2.0, 14, 14),
                    skin::Glyph::Down, skin::Color(state.enabled ? style.color : skin::kMuted));
}

}  // namespace quillon
