#pragma once

#include <cstdint>

#include "ui/toolkit/CArea.h"

namespace quillon {

// A filled panel with rounded corners and an optional heading: the cards of the pages.
class CRoundArea : public CArea {
  public:
    static constexpr const char* kClassName = "CRoundArea";
    const char* GetClassName() const override { return kClassName; }

    void SetColor(std::uint32_t argb);
    std::uint32_t GetColor() const;

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;

  private:
    std::uint32_t color_ = kColorCard;
};

}  // namespace quillon
