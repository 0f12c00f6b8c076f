#pragma once

#include <string>

#include "ui/toolkit/MButton.h"

namespace quillon {

// A button with an icon before its title (the record button).
class CIconButton : public MButton {
  public:
    static constexpr const char* kClassName = "CIconButton";
    const char* GetClassName() const override { return kClassName; }

    void SetIcon(const std::string& name);
    std::string GetIcon() const;

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;

  private:
    std::string icon_;
};

}  // namespace quillon
