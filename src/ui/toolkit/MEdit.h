#pragma once

#include <string>

#include "ui/toolkit/MControl.h"

namespace quillon {

class EditField;

// A one-line text field; its text is the title. Typing sends kEventChanging, Enter or leaving the
// field kEventEditDone, entering it kEventFocusIn.
class MEdit : public MControl {
  public:
    static constexpr const char* kClassName = "MEdit";
    const char* GetClassName() const override { return kClassName; }
    ~MEdit() override;

    void SetNumberOnly(bool digitsOnly);
    // At most this many characters can be typed (0: no limit).
    void SetLimitText(int characters);
    // Grey text shown while the field is empty.
    void SetHint(const std::string& hint);
    std::string GetHint() const;
    void SetReadOnly(bool readOnly);
    // Gives the field the keyboard focus. GUI thread.
    void SetFocus();

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    bool TakesInput() const override { return true; }
    void BuildView(QWidget& view) override;
    void LayoutView(int width, int height) override;
    void SyncView() override;
    // Room kept free at the right of the field (for NumberEdit's arrows).
    virtual int RightMargin() const { return 0; }
    // The field's text changed in the field itself.
    virtual void Typed(const std::string& text);

    EditField* field_ = nullptr;  // GUI thread

  private:
    bool digitsOnly_ = false;
    int limit_ = 0;
    std::string hint_;
    bool readOnly_ = false;
};

}  // namespace quillon
