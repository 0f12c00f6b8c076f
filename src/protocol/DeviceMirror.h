#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "protocol/ButtonTransfer.h"
#include "protocol/MacroImage.h"

namespace quillon {

// What the mouse acknowledged of this process's writes since the mirror was last forgotten,
// so that an apply can leave out what the mouse holds already. It keeps only what nothing but
// a write changes: the button tables, the macro image and the report rates. The performance
// block and the current stage are not kept, as the mouse's own buttons change them. Used on
// the device worker only.
class DeviceMirror {
  public:
    // Forgets everything: every later write goes out.
    void Forget();
    // Forgets everything when the link is not the one the mirror was filled on
    // (DeviceManager::LinkGeneration()).
    void Follow(std::uint64_t linkGeneration);

    bool HoldsButtons(int profile, const ButtonTable& table) const;
    void SetButtons(int profile, const ButtonTable& table);
    bool HoldsMacros(const MacroImage& image) const;
    void SetMacros(const MacroImage& image);
    bool HoldsReportRate(int profile, int rate) const;
    void SetReportRate(int profile, int rate);

  private:
    std::uint64_t linkGeneration_ = 0;
    std::array<std::optional<ButtonTable>, kWrittenProfiles> buttons_;
    std::optional<MacroImage> macros_;
    std::map<int, int> rates_;  // by profile
};

}  // namespace quillon
