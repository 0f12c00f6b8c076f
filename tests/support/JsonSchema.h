#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace quillon::test {

// A JSON Schema (draft 2020-12) document restricted to the keywords the command line's schemas
// use: type, properties, required, additionalProperties (false only), items, enum, pattern,
// minimum, maximum and $ref into the document's own $defs. Any other keyword is reported as a
// fault of the schema, so that a schema cannot claim more than is checked.
class JsonSchema {
  public:
    explicit JsonSchema(nlohmann::json document);

    // Every way `value` departs from the schema at `ref` ("#/$defs/NAME"), each as
    // "WHERE: WHAT" with WHERE a JSON pointer into the value; empty when it conforms.
    std::vector<std::string> Check(const nlohmann::json& value, const std::string& ref) const;

  private:
    using Faults = std::vector<std::string>;
    void CheckAt(const nlohmann::json& schema, const nlohmann::json& value,
                 const std::string& where, Faults& faults) const;
    const nlohmann::json* Resolve(const std::string& ref) const;

    nlohmann::json document_;
};

}  // namespace quillon::test
