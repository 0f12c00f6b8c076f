#include "cli/Json.h"

#include <cstdio>
#include <stdexcept>

namespace quillon::cli {

Json& Json::Push(Json value) {
    std::get<Array>(value_).push_back(std::move(value));
    return *this;
}

Json& Json::Set(std::string key, Json value) {
    std::get<Object>(value_).emplace_back(std::move(key), std::move(value));
    return *this;
}

std::string Json::Dump() const {
    std::string out;
    DumpTo(out);
    return out;
}

void Json::DumpTo(std::string& out) const {
    struct Visitor {
        std::string& out;
        void operator()(std::nullptr_t) const { out += "null"; }
        void operator()(bool b) const { out += b ? "true" : "false"; }
        void operator()(std::int64_t n) const { out += std::to_string(n); }
        void operator()(double d) const {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.17g", d);
            out += buffer;
        }
        void operator()(const std::string& s) const { out += JsonQuote(s); }
        void operator()(const Array& a) const {
            out += '[';
            for (size_t i = 0; i < a.size(); ++i) {
                if (i != 0) {
                    out += ',';
                }
                a[i].DumpTo(out);
            }
            out += ']';
        }
        void operator()(const Object& o) const {
            out += '{';
            for (size_t i = 0; i < o.size(); ++i) {
                if (i != 0) {
                    out += ',';
                }
                out += JsonQuote(o[i].first);
                out += ':';
                o[i].second.DumpTo(out);
            }
            out += '}';
        }
    };
    std::visit(Visitor{out}, value_);
}

std::string JsonQuote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

}  // namespace quillon::cli
