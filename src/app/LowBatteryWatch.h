#pragma once

namespace quillon {

// Decides when to warn of a low battery: once when a report brings the level to 15% or below
// while the mouse is not charging, then not again until a report shows it charged above 15%.
// Reports of an unknown charge state (the reset of every device refresh) count for nothing.
class LowBatteryWatch {
  public:
    static constexpr int kLowLevel = 15;
    static constexpr int kCharging = 1;
    static constexpr int kUnknown = 2;

    // True when this report calls for the notice.
    bool Report(int level, int state);

  private:
    bool warned_ = false;
};

}  // namespace quillon
