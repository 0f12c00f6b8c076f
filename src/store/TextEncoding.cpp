#include "store/TextEncoding.h"

#include <iconv.h>
#include <strings.h>

#include <cerrno>

namespace quillon {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80 to 0x9F in Windows-1252; 0x80 to 0xFF otherwise equal Latin-1.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// True when the bytes from `pos` to the end are a valid but unfinished UTF-8 sequence.
bool EndsMidSequence(std::string_view text, size_t pos) {
    const size_t length = Utf8SequenceLength(static_cast<unsigned char>(text[pos]));
    if (length <= 1 || text.size() - pos >= length) {
        return false;
    }
    for (size_t i = pos + 1; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return false;
        }
    }
    return true;
}

unsigned ReadUnit(std::string_view bytes, size_t pos, bool bigEndian) {
    const auto first = static_cast<unsigned char>(bytes[pos]);
    const auto second = static_cast<unsigned char>(bytes[pos + 1]);
    return bigEndian ? (first << 8) | second : (second << 8) | first;
}

void AppendUnit(std::string& out, unsigned unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    size_t pos = 0;
    char32_t codePoint = 0;
    while (pos < bytes.size()) {
        if (!DecodeUtf8(bytes, pos, codePoint)) {
            return false;
        }
    }
    return true;
}

Conversion RepairUtf8(std::string_view bytes) {
    Conversion result;
    if (IsValidUtf8(bytes)) {
        result.text.assign(bytes);
        return result;
    }
    result.text.reserve(bytes.size() + 16);
    size_t pos = 0;
    while (pos < bytes.size()) {
        const size_t start = pos;
        char32_t codePoint = 0;
        if (DecodeUtf8(bytes, pos, codePoint)) {
            result.text.append(bytes.substr(start, pos - start));
        } else if (EndsMidSequence(bytes, start)) {
            AppendUtf8(result.text, kReplacement);
            result.truncated = true;
            break;
        } else {
            AppendUtf8(result.text, kReplacement);
            result.lossy = true;
        }
    }
    return result;
}

Conversion Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    Conversion result;
    result.text.reserve(bytes.size());
    const size_t units = bytes.size() / 2;
    result.truncated = bytes.size() % 2 != 0;
    for (size_t i = 0; i < units; ++i) {
        const unsigned unit = ReadUnit(bytes, 2 * i, bigEndian);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const unsigned low = ReadUnit(bytes, 2 * (i + 1), bigEndian);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(result.text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(result.text, kReplacement);
            result.lossy = true;
        } else {
            AppendUtf8(result.text, unit);
        }
    }
    return result;
}

Conversion Utf8ToUtf16(std::string_view text, bool bigEndian) {
    Conversion result;
    result.text.reserve(text.size() * 2);
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t codePoint = 0;
        if (!DecodeUtf8(text, pos, codePoint)) {
            codePoint = kReplacement;
            result.lossy = true;
        }
        if (codePoint >= 0x10000) {
            AppendUnit(result.text, 0xD800 + ((codePoint - 0x10000) >> 10), bigEndian);
            AppendUnit(result.text, 0xDC00 + ((codePoint - 0x10000) & 0x3FF), bigEndian);
        } else {
            AppendUnit(result.text, codePoint, bigEndian);
        }
    }
    return result;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F) {
            AppendUtf8(out, kWindows1252High[byte - 0x80]);
        } else {
            AppendUtf8(out, byte);
        }
    }
    return out;
}

Conversion Utf8ToWindows1252(std::string_view text) {
    Conversion result;
    result.text.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t codePoint = 0;
        char byte = '?';
        bool mapped = false;
        if (DecodeUtf8(text, pos, codePoint)) {
            if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
                byte = static_cast<char>(codePoint);
                mapped = true;
            }
            for (unsigned i = 0; i < 32 && !mapped; ++i) {
                if (kWindows1252High[i] == codePoint) {
                    byte = static_cast<char>(0x80 + i);
                    mapped = true;
                }
            }
        }
        result.lossy = result.lossy || !mapped;
        result.text += byte;
    }
    return result;
}

bool ConvertWithIconv(std::string_view input, const char* from, const char* to, Conversion& out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    const bool fromUtf8 = strcasecmp(from, "UTF-8") == 0;
    const bool toUtf8 = strcasecmp(to, "UTF-8") == 0;
    out = Conversion{};
    std::string& result = out.text;
    size_t used = 0;
    char* outPtr = nullptr;
    size_t outLeft = 0;
    const auto makeRoom = [&] {
        if (result.size() - used < 64) {
            result.resize(result.size() * 2 + 64);
        }
        outPtr = result.data() + used;
        outLeft = result.size() - used;
    };
    result.resize(input.size() + input.size() / 2 + 64);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        makeRoom();
        const size_t status = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        used = static_cast<size_t>(outPtr - result.data());
        if (status != static_cast<size_t>(-1) || error == E2BIG) {
            continue;
        }
        if (error == EINVAL) {
            out.truncated = true;
            inLeft = 0;
        } else {
            out.lossy = true;
            size_t skip = 1;
            if (fromUtf8) {
                skip = 0;
                char32_t ignored = 0;
                DecodeUtf8(std::string_view(in, inLeft), skip, ignored);
            }
            in += skip;
            inLeft -= skip;
        }
        makeRoom();
        if (toUtf8) {
            result.replace(used, 3, "\xEF\xBF\xBD");
            used += 3;
        } else {
            char question = '?';
            char* questionPtr = &question;
            size_t questionLeft = 1;
            iconv(cd, &questionPtr, &questionLeft, &outPtr, &outLeft);
            used = static_cast<size_t>(outPtr - result.data());
        }
    }
    // A stateful charset may need a closing shift sequence.
    makeRoom();
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    used = static_cast<size_t>(outPtr - result.data());
    result.resize(used);
    iconv_close(cd);
    return true;
}

}  // namespace quillon
