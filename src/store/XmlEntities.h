#pragma once

#include <string_view>

namespace quillon {

// Named character references: the five XML entities and the HTML 4 entity set. An exact match
// wins; otherwise the name is matched without regard to letter case, and where that leaves two
// entities (such as "Aacute" and "aacute") the one with the lower code point is taken.
bool LookupEntity(std::string_view name, char32_t& codePoint);

// Longest name looked up; a longer name is never an entity.
inline constexpr size_t kMaxEntityName = 9;

}  // namespace quillon
