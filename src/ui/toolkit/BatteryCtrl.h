#pragma once

#include <string>

#include "ui/toolkit/MControl.h"

namespace quillon {

// The battery indicator: level 0..100 and charge state (1 charging, 2 unknown: no figure shown).
class BatteryCtrl : public MControl {
  public:
    static constexpr const char* kClassName = "BatteryCtrl";
    const char* GetClassName() const override { return kClassName; }

    // The level is kept within 0..100.
    void SetBatteryInfo(int level, int state);
    int GetBatteryLevel() const;
    int GetBatteryState() const;
    // Images of the level bar and of the charging mark; the background is the control's image.
    void SetLevelImage(const std::string& name);
    void SetChargeImage(const std::string& name);

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;

  private:
    int level_ = 0;
    int state_ = 2;
    std::string levelImage_;
    std::string chargeImage_;
};

}  // namespace quillon
