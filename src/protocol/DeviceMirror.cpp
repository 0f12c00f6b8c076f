#include "protocol/DeviceMirror.h"

#include <algorithm>

namespace quillon {
namespace {

bool WrittenProfile(int profile) {
    return profile >= 1 && profile <= kWrittenProfiles;
}

bool SameImage(const MacroImage& a, const MacroImage& b) {
    return a.length == b.length &&
           std::equal(a.bytes.begin(), a.bytes.begin() + static_cast<std::ptrdiff_t>(a.length),
                      b.bytes.begin());
}

}  // namespace

void DeviceMirror::Forget() {
    buttons_ = {};
    macros_.reset();
    rates_.clear();
}

void DeviceMirror::Follow(std::uint64_t linkGeneration) {
    if (linkGeneration != linkGeneration_) {
        Forget();
        linkGeneration_ = linkGeneration;
    }
}

bool DeviceMirror::HoldsButtons(int profile, const ButtonTable& table) const {
    if (!WrittenProfile(profile)) {
        return false;
    }
    const std::optional<ButtonTable>& held = buttons_[static_cast<size_t>(profile - 1)];
    return held && *held == table;
}

void DeviceMirror::SetButtons(int profile, const ButtonTable& table) {
    if (WrittenProfile(profile)) {
        buttons_[static_cast<size_t>(profile - 1)] = table;
    }
}

bool DeviceMirror::HoldsMacros(const MacroImage& image) const {
    return macros_ && SameImage(*macros_, image);
}

void DeviceMirror::SetMacros(const MacroImage& image) {
    macros_ = image;
}

bool DeviceMirror::HoldsReportRate(int profile, int rate) const {
    const auto found = rates_.find(profile);
    return found != rates_.end() && found->second == rate;
}

void DeviceMirror::SetReportRate(int profile, int rate) {
    rates_[profile] = rate;
}

}  // namespace quillon
