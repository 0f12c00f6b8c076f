#pragma once

#include <cstdint>

#include "ui/toolkit/CCheckButton.h"

namespace quillon {

class EditField;

// One DPI stage: its caption (the title), its colour and an editable value. A click on the card
// checks it (stage controls share a group) and sends kEventClick; typing in the value sends
// kEventChanging, finishing it kEventEditDone.
class DPIControl : public CCheckButton {
  public:
    static constexpr const char* kClassName = "DPIControl";
    const char* GetClassName() const override { return kClassName; }
    ~DPIControl() override;

    void SetValue(int value);
    int GetValue() const;
    // The stage colour as 0x00BBGGRR (red in the low byte), as the profile's stage colours are stored.
    void SetColor(std::uint32_t colorRef);
    std::uint32_t GetColor() const;

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    void BuildView(QWidget& view) override;
    void LayoutView(int width, int height) override;
    void SyncView() override;
    // Its value field takes the keyboard, not the card.
    bool TakesFocus() const override { return false; }

  private:
    int value_ = 0;
    std::uint32_t colorRef_ = 0x0000FF;
    EditField* field_ = nullptr;  // GUI thread
};

}  // namespace quillon
