#pragma once

#include <string>
#include <string_view>

namespace quillon {

class SettingsStore;

// The numeric configuration values of one profile, kept as decimal text in the store.
class ProfileValues {
  public:
    ProfileValues(SettingsStore& store, int profile) : store_(store), profile_(profile) {}

    // The stored number; 0 when the key has no row or its text is not a number.
    int Get(std::string_view key) const;
    // Stores the number as decimal text; an unknown key stores nothing.
    bool Set(std::string_view key, int value) const;

    int Profile() const { return profile_; }

    // "dpi_group<N>_value" and "dpi_group<N>_rgb" of stage index 0..5.
    static std::string DpiValueKey(int stageIndex);
    static std::string DpiColourKey(int stageIndex);

  private:
    SettingsStore& store_;
    int profile_;
};

}  // namespace quillon
