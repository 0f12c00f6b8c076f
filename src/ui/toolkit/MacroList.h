#pragma once

#include <string>

#include "ui/toolkit/ListControl.h"

namespace quillon {

class EditField;

// The list of macros: entry text = shown name, entry data = macro id. A double click edits an
// entry's text in place; finishing the edit stores the new text and sends kEventEditDone with the
// entry's position.
class MacroList : public ListControl {
  public:
    static constexpr const char* kClassName = "MacroList";
    const char* GetClassName() const override { return kClassName; }
    ~MacroList() override;

    // Appends an entry; returns its position.
    int AddString(const std::string& text);

  protected:
    void OnDoubleClick(const PointerEvent& event) override;
    void OnWheel(int steps) override;

  private:
    void FinishEdit();

    EditField* editor_ = nullptr;  // GUI thread, while editing
    int editedRow_ = -1;
};

}  // namespace quillon
