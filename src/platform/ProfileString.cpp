#include "platform/ProfileString.h"

#include <cstddef>

#include "platform/Utf16.h"
#include "platform/WholeFile.h"

namespace quillon {
namespace {

// A language file holds a few dozen kilobytes; anything far larger is not a profile file.
constexpr size_t kMaxFileBytes = 8 * 1024 * 1024;

bool IsBlank(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x1A;
}

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string FoldedName(std::u16string_view name) {
    std::string out = Utf16ToUtf8(Trim(name));
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::string FoldedName(std::string_view name) {
    return FoldedName(Utf8ToUtf16(name));
}

std::u16string DecodeFile(std::string_view bytes) {
    auto byteAt = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    bool littleEndian = bytes.size() >= 2 && byteAt(0) == 0xFF && byteAt(1) == 0xFE;
    bool bigEndian = bytes.size() >= 2 && byteAt(0) == 0xFE && byteAt(1) == 0xFF;
    if (!littleEndian && !bigEndian) {
        if (bytes.size() >= 3 && byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF) {
            bytes.remove_prefix(3);
        }
        return Utf8ToUtf16(bytes);
    }
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        unsigned first = byteAt(i);
        unsigned second = byteAt(i + 1);
        units.push_back(
            static_cast<char16_t>(littleEndian ? (second << 8) | first : (first << 8) | second));
    }
    // Re-encoding drops lone surrogates, so every stored value is valid text.
    return Utf8ToUtf16(Utf16ToUtf8(units));
}

std::u16string_view Unquoted(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        value.remove_prefix(1);
        value.remove_suffix(1);
    }
    return value;
}

}  // namespace

ProfileFile ProfileFile::Load(const std::string& path) {
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error, kMaxFileBytes)) {
        return {};
    }
    return Parse(bytes);
}

ProfileFile ProfileFile::Parse(std::string_view bytes) {
    ProfileFile profile;
    std::u16string text = DecodeFile(bytes);
    Entries* section = &profile.sections_[std::string()];
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of(u"\r\n", pos);
        if (end == std::u16string::npos) {
            end = text.size();
        }
        std::u16string_view line = Trim(std::u16string_view(text).substr(pos, end - pos));
        pos = end + 1;
        if (line.empty()) {
            continue;
        }
        if (line.front() == u'[') {
            size_t close = line.rfind(u']');
            if (close != std::u16string_view::npos) {
                section = &profile.sections_[FoldedName(line.substr(1, close - 1))];
                continue;
            }
        }
        size_t equals = line.find(u'=');
        std::u16string_view key = line.substr(0, equals);
        std::u16string_view value;
        if (equals != std::u16string_view::npos) {
            value = Trim(line.substr(equals + 1));
        }
        section->emplace(FoldedName(key), std::u16string(Unquoted(value)));
    }
    return profile;
}

std::string ProfileFile::Get(std::string_view section, std::string_view key,
                             size_t maxUnits) const {
    auto found = sections_.find(FoldedName(section));
    if (found == sections_.end()) {
        return {};
    }
    auto entry = found->second.find(FoldedName(key));
    if (entry == found->second.end()) {
        return {};
    }
    std::u16string_view value = entry->second;
    if (value.size() > maxUnits) {
        value = value.substr(0, maxUnits);
        if (!value.empty() && value.back() >= 0xD800 && value.back() <= 0xDBFF) {
            value.remove_suffix(1);
        }
    }
    return Utf16ToUtf8(value);
}

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key) {
    return ProfileFile::Load(path).Get(section, key);
}

}  // namespace quillon
