#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quillon::cli {

// A small JSON value for the command line's --json output. Objects keep insertion order so the
// output reads in the same order as the human-readable form.
class Json {
  public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;

    Json() : value_(nullptr) {}
    Json(bool b) : value_(b) {}
    Json(int n) : value_(static_cast<std::int64_t>(n)) {}
    Json(std::int64_t n) : value_(n) {}
    Json(double d) : value_(d) {}
    Json(const char* s) : value_(std::string(s)) {}
    Json(std::string s) : value_(std::move(s)) {}
    Json(std::string_view s) : value_(std::string(s)) {}
    Json(Array a) : value_(std::move(a)) {}
    Json(Object o) : value_(std::move(o)) {}

    static Json MakeArray() { return Json(Array{}); }
    static Json MakeObject() { return Json(Object{}); }

    // Appends to an array, or adds a member to an object.
    Json& Push(Json value);
    Json& Set(std::string key, Json value);

    // Compact, one line, UTF-8 passed through, control characters escaped.
    std::string Dump() const;

  private:
    void DumpTo(std::string& out) const;
    std::variant<std::nullptr_t, bool, std::int64_t, double, std::string, Array, Object> value_;
};

std::string JsonQuote(std::string_view text);

}  // namespace quillon::cli
