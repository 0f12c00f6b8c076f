#pragma once

#include <string>

#include "store/SettingsStore.h"

namespace quillon::cli {

// A profile's name as the window's profile selector shows it: stored names are text ids
// ("800" is "Profile 1"); a name that is none shows as it is stored.
std::string ShownProfileName(const ProfileRecord& record);

// The shown name of `profile` in `store`; empty when there is no such profile.
std::string ShownProfileName(SettingsStore& store, int profile);

}  // namespace quillon::cli
