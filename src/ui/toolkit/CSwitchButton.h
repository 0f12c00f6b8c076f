#pragma once

#include <string>

#include "ui/toolkit/CCheckButton.h"

namespace quillon {

// An on/off switch; a click toggles it.
class CSwitchButton : public CCheckButton {
  public:
    static constexpr const char* kClassName = "CSwitchButton";
    const char* GetClassName() const override { return kClassName; }

    // The images of the two positions (each with its state images).
    void SetSwitchImages(const std::string& on, const std::string& off, int states);

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;

  private:
    std::string onImage_;
    std::string offImage_;
};

}  // namespace quillon
