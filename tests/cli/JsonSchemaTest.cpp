// The schema checker the answer test relies on: each keyword it claims to check must catch the
// fault it stands for, and a keyword it does not know must not pass silently.
#include "support/JsonSchema.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace quillon {
namespace {

TEST(JsonSchema, EachKeywordCatchesItsFault) {
    const test::JsonSchema schema(nlohmann::json::parse(R"({
      "$schema": "https://json-schema.org/draft/2020-12/schema",
      "$defs": {
        "profile": {"type": "integer", "minimum": 1, "maximum": 5},
        "answer": {
          "description": "an answer",
          "type": "object",
          "properties": {
            "profile": {"$ref": "#/$defs/profile"},
            "color": {"type": "string", "pattern": "^#[0-9A-F]{6}$"},
            "event": {"type": "string", "enum": ["connected", "disconnected"]},
            "battery": {"type": ["integer", "null"]},
            "stages": {"type": "array", "items": {"type": "object",
                       "properties": {"stage": {"type": "integer"}},
                       "required": ["stage"], "additionalProperties": false}}
          },
          "required": ["profile"],
          "additionalProperties": false
        },
        "loose": {"type": "object", "additionalProperties": true},
        "unknown": {"type": "object", "minProperties": 1}
      }
    })"));
    struct Case {
        const char* value;
        const char* ref;
        std::vector<std::string> faults;
    };
    const Case cases[] = {
        {R"({"profile":2,"color":"#00FF00","event":"connected","battery":null,
             "stages":[{"stage":1}]})",
         "answer",
         {}},
        {R"({"profile":2,"battery":80})", "answer", {}},
        {R"({})", "answer", {"/: lacks \"profile\""}},
        {R"({"profile":"2"})", "answer", {"/profile: \"2\" is not of type \"integer\""}},
        {R"({"profile":true})", "answer", {"/profile: true is not of type \"integer\""}},
        {R"({"profile":0})", "answer", {"/profile: 0 is below 1"}},
        {R"({"profile":6})", "answer", {"/profile: 6 is above 5"}},
        {R"({"profile":1,"colour":"#00FF00"})", "answer", {"/: has no property \"colour\""}},
        {R"({"profile":1,"color":"#00ff00"})",
         "answer",
         {"/color: \"#00ff00\" does not match \"^#[0-9A-F]{6}$\""}},
        {R"({"profile":1,"event":"gone"})",
         "answer",
         {"/event: \"gone\" is not one of [\"connected\",\"disconnected\"]"}},
        {R"({"profile":1,"battery":"80"})",
         "answer",
         {"/battery: \"80\" is not of type [\"integer\",\"null\"]"}},
        {R"({"profile":1,"stages":[{"stage":1},{"stage":2,"dpi":800},{}]})",
         "answer",
         {"/stages/1: has no property \"dpi\"", "/stages/2: lacks \"stage\""}},
        {R"([])", "answer", {"/: [] is not of type \"object\""}},
        {R"({})", "missing", {"schema: no definition #/$defs/missing"}},
        {R"({})", "loose", {"schema: additionalProperties other than false at /"}},
        {R"({})", "unknown", {"schema: keyword minProperties is not supported (at /)"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(schema.Check(nlohmann::json::parse(c.value), std::string("#/$defs/") + c.ref),
                  c.faults)
            << c.value;
    }
}

}  // namespace
}  // namespace quillon
