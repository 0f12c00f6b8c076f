#include "ui/toolkit/MacroList.h"

#include <QWidget>

#include "ui/toolkit/EditField.h"

namespace quillon {

MacroList::~MacroList() {
    if (editor_ != nullptr) {
        editor_->Disconnect();
    }
}

int MacroList::AddString(const std::string& text) {
    ListItem item;
    item.text = text;
    return AddItem(item);
}

void MacroList::OnDoubleClick(const PointerEvent& event) {
    QRect row;
    std::string text;
    TextStyle style;
    int hit = -1;
    {
        auto lock = Lock();
        hit = RowAtLocked(event.y);
        if (hit < 0) {
            return;
        }
        row = RowRectLocked(hit, rect_.Width());
        text = items_[static_cast<size_t>(hit)].text;
        style = textStyle_;
    }
    if (View() == nullptr || editor_ != nullptr) {
        return;
    }
    editedRow_ = hit;
    editor_ = new EditField(View());
    editor_->SetTextStyle(style.fontName, style.fontSize, kColorWhite);
    editor_->setGeometry(row.adjusted(8, 4, -kMoreWidth, -4));
    editor_->Show(text);
    editor_->selectAll();
    editor_->onDone = [this] { FinishEdit(); };
    editor_->show();
    editor_->setFocus(Qt::MouseFocusReason);
}

void MacroList::OnWheel(int steps) {
    FinishEdit();
    ListControl::OnWheel(steps);
}

void MacroList::FinishEdit() {
    if (editor_ == nullptr) {
        return;
    }
    EditField* editor = editor_;
    editor_ = nullptr;
    std::string text = editor->text().toStdString();
    editor->Disconnect();
    editor->hide();
    editor->deleteLater();
    int row = editedRow_;
    editedRow_ = -1;
    if (row < 0 || row >= GetCount()) {
        return;
    }
    SetItemText(row, text);
    Notify(kEventEditDone, row);
}

}  // namespace quillon
