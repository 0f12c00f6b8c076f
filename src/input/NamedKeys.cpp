#include "input/NamedKeys.h"

#include <algorithm>
#include <cctype>

namespace quillon {
namespace {

// The generic Shift, Ctrl and Alt: capturing tells their sides apart, so they have no name of
// their own.
constexpr int kFirstGenericModifier = 0x10;
constexpr int kLastGenericModifier = 0x12;
constexpr int kLastVirtualKey = 0xFE;

std::vector<CapturedKey> Build() {
    std::vector<CapturedKey> keys;
    for (int code = 1; code <= kLastVirtualKey; ++code) {
        if (code >= kFirstGenericModifier && code <= kLastGenericModifier) {
            continue;
        }
        CapturedKey key = CapturedKeyName(code, 0, false, UsageName(UsageOfVirtualKey(code)));
        const bool known = std::any_of(keys.begin(), keys.end(), [&](const CapturedKey& other) {
            return other.name == key.name;
        });
        if (!key.name.empty() && key.code == code && !known) {
            keys.push_back(std::move(key));
        }
    }
    return keys;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

const std::vector<CapturedKey>& NamedKeys() {
    static const std::vector<CapturedKey> keys = Build();
    return keys;
}

std::optional<CapturedKey> KeyOfName(std::string_view name) {
    for (const CapturedKey& key : NamedKeys()) {
        if (SameIgnoringCase(key.name, name)) {
            return key;
        }
    }
    return std::nullopt;
}

}  // namespace quillon
