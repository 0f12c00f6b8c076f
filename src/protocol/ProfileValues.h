#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/SettingsStore.h"

namespace quillon {

// The numeric configuration values of one profile, kept as decimal text in the store.
class ProfileValues {
  public:
    ProfileValues(SettingsStore& store, int profile) : store_(store), profile_(profile) {}

    // The stored number; 0 when the key has no row or its text is not a number.
    int Get(std::string_view key) const;
    // Stores the number as decimal text; an unknown key stores nothing.
    bool Set(std::string_view key, int value) const;

    int Profile() const { return profile_; }

    // Every key's stored text, in one query where Get runs one a key.
    SettingsStore::ValueTexts LoadTexts() const;
    // What Get gives for the key, from texts loaded before.
    static int NumberOf(const SettingsStore::ValueTexts& texts, std::string_view key);
    // Sets each number, skipping keys whose stored text is that number already: storing what a
    // read of the mouse found stored writes nothing.
    using Numbers = std::vector<std::pair<std::string, int>>;
    void SetChanged(const Numbers& numbers) const;

    // "dpi_group<N>_value" and "dpi_group<N>_rgb" of stage index 0..5.
    static std::string DpiValueKey(int stageIndex);
    static std::string DpiColourKey(int stageIndex);

  private:
    SettingsStore& store_;
    int profile_;
};

}  // namespace quillon
