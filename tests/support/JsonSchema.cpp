#include "support/JsonSchema.h"

#include <algorithm>
#include <regex>
#include <set>
#include <utility>

namespace quillon::test {
namespace {

using nlohmann::json;

bool HasType(const json& value, const std::string& type) {
    if (type == "object") {
        return value.is_object();
    }
    if (type == "array") {
        return value.is_array();
    }
    if (type == "string") {
        return value.is_string();
    }
    if (type == "integer") {
        return value.is_number_integer();
    }
    if (type == "number") {
        return value.is_number();
    }
    if (type == "boolean") {
        return value.is_boolean();
    }
    return type == "null" && value.is_null();
}

bool MatchesType(const json& types, const json& value) {
    if (types.is_string()) {
        return HasType(value, types.get<std::string>());
    }
    for (const json& type : types) {
        if (HasType(value, type.get<std::string>())) {
            return true;
        }
    }
    return false;
}

// Words that only describe; they check nothing.
const std::set<std::string>& Annotations() {
    static const std::set<std::string> words = {"$schema",  "$id",   "$defs",
                                                "$comment", "title", "description"};
    return words;
}

}  // namespace

JsonSchema::JsonSchema(json document) : document_(std::move(document)) {}

std::vector<std::string> JsonSchema::Check(const json& value, const std::string& ref) const {
    Faults faults;
    if (const json* schema = Resolve(ref)) {
        CheckAt(*schema, value, "", faults);
    } else {
        faults.push_back("schema: no definition " + ref);
    }
    return faults;
}

const json* JsonSchema::Resolve(const std::string& ref) const {
    const std::string prefix = "#/$defs/";
    if (ref.rfind(prefix, 0) != 0) {
        return nullptr;
    }
    const auto defs = document_.find("$defs");
    if (defs == document_.end()) {
        return nullptr;
    }
    const auto found = defs->find(ref.substr(prefix.size()));
    return found == defs->end() ? nullptr : &*found;
}

void JsonSchema::CheckAt(const json& schema, const json& value, const std::string& where,
                         Faults& faults) const {
    const std::string at = where.empty() ? "/" : where;
    for (const auto& [keyword, rule] : schema.items()) {
        if (keyword == "$ref") {
            const json* target = Resolve(rule.get<std::string>());
            if (target == nullptr) {
                faults.push_back("schema: no definition " + rule.get<std::string>());
            } else {
                CheckAt(*target, value, where, faults);
            }
        } else if (keyword == "type") {
            if (!MatchesType(rule, value)) {
                faults.push_back(at + ": " + value.dump() + " is not of type " + rule.dump());
            }
        } else if (keyword == "enum") {
            if (std::find(rule.begin(), rule.end(), value) == rule.end()) {
                faults.push_back(at + ": " + value.dump() + " is not one of " + rule.dump());
            }
        } else if (keyword == "pattern") {
            if (value.is_string() &&
                !std::regex_search(value.get<std::string>(), std::regex(rule.get<std::string>()))) {
                faults.push_back(at + ": " + value.dump() + " does not match " + rule.dump());
            }
        } else if (keyword == "minimum") {
            if (value.is_number() && value < rule) {
                faults.push_back(at + ": " + value.dump() + " is below " + rule.dump());
            }
        } else if (keyword == "maximum") {
            if (value.is_number() && value > rule) {
                faults.push_back(at + ": " + value.dump() + " is above " + rule.dump());
            }
        } else if (keyword == "required") {
            for (const json& name : rule) {
                if (value.is_object() && !value.contains(name.get<std::string>())) {
                    faults.push_back(at + ": lacks " + name.dump());
                }
            }
        } else if (keyword == "properties") {
            for (const auto& [name, property] : rule.items()) {
                if (value.is_object() && value.contains(name)) {
                    CheckAt(property, value.at(name), where + "/" + name, faults);
                }
            }
        } else if (keyword == "additionalProperties") {
            if (rule != false) {
                faults.push_back("schema: additionalProperties other than false at " + at);
                continue;
            }
            if (!value.is_object()) {
                continue;
            }
            const json known = schema.value("properties", json::object());
            for (const auto& member : value.items()) {
                if (!known.contains(member.key())) {
                    faults.push_back(at + ": has no property " + json(member.key()).dump());
                }
            }
        } else if (keyword == "items") {
            if (value.is_array()) {
                for (std::size_t i = 0; i < value.size(); ++i) {
                    CheckAt(rule, value[i], where + "/" + std::to_string(i), faults);
                }
            }
        } else if (Annotations().count(keyword) == 0) {
            faults.push_back("schema: keyword " + keyword + " is not supported (at " + at + ")");
        }
    }
}

}  // namespace quillon::test
