#include "store/XmlFileEncoding.h"

#include <strings.h>

namespace quillon {
namespace {

constexpr size_t kDeclarationWindow = 1024;
constexpr size_t kMaxCharsetName = 40;

enum class Charset { kUtf8, kUtf16Le, kUtf16Be, kWindows1252, kOther };

bool IsCharsetNameChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' ||
           c == '_' || c == '-' || c == ':';
}

Charset Classify(const std::string& name) {
    const char* n = name.c_str();
    if (strcasecmp(n, "UTF-8") == 0 || strcasecmp(n, "UTF8") == 0) {
        return Charset::kUtf8;
    }
    if (strcasecmp(n, "UTF-16") == 0 || strcasecmp(n, "UTF-16LE") == 0 ||
        strcasecmp(n, "UCS-2") == 0) {
        return Charset::kUtf16Le;
    }
    if (strcasecmp(n, "UTF-16BE") == 0) {
        return Charset::kUtf16Be;
    }
    if (strcasecmp(n, "windows-1252") == 0 || strcasecmp(n, "cp1252") == 0 ||
        strcasecmp(n, "x-cp1252") == 0) {
        return Charset::kWindows1252;
    }
    return Charset::kOther;
}

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

Conversion DefaultDecode(std::string_view bytes) {
    if (StartsWith(bytes, "<") || IsValidUtf8(bytes)) {
        return RepairUtf8(bytes);
    }
    return Conversion{Windows1252ToUtf8(bytes)};
}

}  // namespace

std::string DeclaredEncoding(std::string_view text) {
    if (StartsWith(text, "\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    text = text.substr(0, kDeclarationWindow);
    size_t p = 0;
    while (p < text.size() &&
           (text[p] == ' ' || text[p] == '\t' || text[p] == '\r' || text[p] == '\n')) {
        ++p;
    }
    if (!StartsWith(text.substr(p), "<?xml")) {
        return {};
    }
    const size_t close = text.find("?>", p);
    const std::string_view declaration =
        text.substr(p, close == std::string_view::npos ? 0 : close - p);
    size_t at = declaration.find("encoding");
    if (at == std::string_view::npos) {
        return {};
    }
    at += 8;
    while (at < declaration.size() &&
           (declaration[at] == ' ' || declaration[at] == '=' || declaration[at] == '\t' ||
            declaration[at] == '\r' || declaration[at] == '\n')) {
        ++at;
    }
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\'')) {
        return {};
    }
    const char quote = declaration[at++];
    const size_t end = declaration.find(quote, at);
    if (end == std::string_view::npos || end == at || end - at > kMaxCharsetName) {
        return {};
    }
    const std::string_view name = declaration.substr(at, end - at);
    for (const char c : name) {
        if (!IsCharsetNameChar(c)) {
            return {};
        }
    }
    return std::string(name);
}

DecodedXmlFile DecodeXmlFile(std::string_view bytes) {
    DecodedXmlFile result;
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        result.conversion = RepairUtf8(bytes.substr(3));
        return result;
    }
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
        result.conversion = Utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE');
        return result;
    }
    if (StartsWith(bytes, std::string_view("<\0", 2)) ||
        StartsWith(bytes, std::string_view("\0<", 2))) {
        result.conversion = Utf16ToUtf8(bytes, bytes[0] == '\0');
        return result;
    }
    const std::string charset = DeclaredEncoding(bytes);
    if (charset.empty()) {
        result.conversion = DefaultDecode(bytes);
        return result;
    }
    switch (Classify(charset)) {
        case Charset::kWindows1252:
            result.conversion.text = Windows1252ToUtf8(bytes);
            break;
        case Charset::kOther:
            if (!ConvertWithIconv(bytes, charset.c_str(), "UTF-8", result.conversion)) {
                result.unknownCharset = true;
                result.conversion = DefaultDecode(bytes);
            }
            break;
        default:
            // A declaration readable as ASCII means 8-bit text, even when it names UTF-16.
            result.conversion = RepairUtf8(bytes);
            break;
    }
    return result;
}

bool EncodeXmlFile(std::string_view text, Conversion& out) {
    const std::string charset = DeclaredEncoding(text);
    switch (charset.empty() ? Charset::kUtf8 : Classify(charset)) {
        case Charset::kUtf8:
            out = Conversion{std::string(text)};
            return true;
        case Charset::kUtf16Le:
        case Charset::kUtf16Be:
            out = Utf8ToUtf16(text, Classify(charset) == Charset::kUtf16Be);
            return true;
        case Charset::kWindows1252:
            out = Utf8ToWindows1252(text);
            return true;
        case Charset::kOther:
            break;
    }
    return ConvertWithIconv(text, "UTF-8", charset.c_str(), out);
}

}  // namespace quillon
