#include "platform/DesktopExec.h"

namespace quillon {
namespace {

constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
// Escaped with a backslash inside a quoted argument.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

bool NeedsQuotes(std::string_view argument) {
    return argument.empty() || argument.find_first_of(kReserved) != std::string_view::npos;
}

std::string QuoteArgument(std::string_view argument) {
    std::string out;
    const bool quoted = NeedsQuotes(argument);
    if (quoted) {
        out.push_back('"');
    }
    for (char c : argument) {
        if (c == '%') {
            out += "%%";
            continue;
        }
        if (quoted && kEscapedInQuotes.find(c) != std::string_view::npos) {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    if (quoted) {
        out.push_back('"');
    }
    return out;
}

// The string escapes of every value in the file.
std::string EscapeString(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

// Undoes EscapeString; an unknown escape stays as written, for the quoting rules to judge.
std::string UnescapeString(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out.push_back(text[i]);
            continue;
        }
        const char next = text[++i];
        switch (next) {
            case 's':
                out.push_back(' ');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case '\\':
                out.push_back('\\');
                break;
            default:
                out.push_back('\\');
                out.push_back(next);
        }
    }
    return out;
}

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

}  // namespace

std::string DesktopExecValue(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty()) {
            line.push_back(' ');
        }
        line += QuoteArgument(argument);
    }
    return EscapeString(line);
}

std::optional<std::vector<std::string>> ParseDesktopExec(std::string_view value) {
    const std::string line = UnescapeString(value);
    std::vector<std::string> arguments;
    size_t i = 0;
    while (i < line.size()) {
        if (IsSeparator(line[i])) {
            ++i;
            continue;
        }
        std::string argument;
        bool quoted = false;
        for (; i < line.size() && (quoted || !IsSeparator(line[i])); ++i) {
            const char c = line[i];
            if (c == '"') {
                quoted = !quoted;
            } else if (c == '%' && i + 1 < line.size() && line[i + 1] == '%') {
                argument.push_back('%');
                ++i;
            } else if (quoted && c == '\\') {
                if (i + 1 == line.size() ||
                    kEscapedInQuotes.find(line[i + 1]) == std::string_view::npos) {
                    return std::nullopt;
                }
                argument.push_back(line[++i]);
            } else if (!quoted && kReserved.find(c) != std::string_view::npos) {
                return std::nullopt;
            } else {
                argument.push_back(c);
            }
        }
        if (quoted) {
            return std::nullopt;
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

}  // namespace quillon
