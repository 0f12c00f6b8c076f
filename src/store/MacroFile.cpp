#include "store/MacroFile.h"

#include <limits>

#include "platform/NumberText.h"
#include "platform/Paths.h"
#include "store/ExchangeDocument.h"
#include "store/XmlDocument.h"

namespace quillon {
namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
// Leaves room for "-<tick>.xml" within the 255 bytes a file name may have.
constexpr size_t kMaxNameBytes = 200;

bool Unsafe(unsigned char c) {
    return c < 0x20 || c == 0x7F ||
           std::string_view("/\\<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string SafeFileName(std::string_view name) {
    std::string safe;
    for (char c : name) {
        safe += Unsafe(static_cast<unsigned char>(c)) ? '_' : c;
    }
    if (safe.size() > kMaxNameBytes) {
        size_t cut = kMaxNameBytes;
        // Never cut inside a UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(safe[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        safe.resize(cut);
    }
    return safe;
}

// The limits of what the macro editor can make; a file beyond them is refused, naming the value.
constexpr int kMaxItems = 200;
constexpr int kFirstItemType = 1;
constexpr int kLastItemType = 12;
constexpr int kPauseItem = 1;
constexpr int kMaxPause = 15000;
constexpr int kAnyLow = std::numeric_limits<int>::min();
constexpr int kAnyHigh = std::numeric_limits<int>::max();

// Reads the numbers and texts of a macro file, checking each as it goes.
class MacroReader {
  public:
    MacroReader(const XmlDocument& document, std::string& reason)
        : document_(document), reason_(reason) {}

    // A number: absent or empty reads as 0; anything else must be a whole decimal number within
    // low..high.
    bool Number(const std::string& where, std::string_view attribute, int low, int high,
                int& number) {
        const std::string text = document_.GetAttribute(attribute);
        int value = 0;
        if (!text.empty() && !ParseWholeInt(text, value)) {
            return Refuse(where, attribute, text, "is not a whole decimal number");
        }
        if (!text.empty() && (value < low || value > high)) {
            return Refuse(where, attribute, text,
                          "is outside " + std::to_string(low) + ".." + std::to_string(high));
        }
        number = value;
        return true;
    }

    // A text that is stored and must come back the same through an export.
    bool Text(const std::string& where, std::string_view attribute, std::string& text) {
        text = document_.GetAttribute(attribute);
        if (text.find('\0') != std::string::npos) {
            return Refuse(where, attribute, "", "holds a NUL character");
        }
        return true;
    }

  private:
    bool Refuse(const std::string& where, std::string_view attribute, const std::string& text,
                const std::string& why) {
        reason_ = where + ": " + std::string(attribute) +
                  (text.empty() ? "" : " \"" + text + "\"") + " " + why;
        return false;
    }

    const XmlDocument& document_;
    std::string& reason_;
};

bool ReadHeader(MacroReader& reader, MacroHeader& header) {
    const std::string where = "<macroinfo>";
    return reader.Text(where, "macro_name", header.name) &&
           reader.Number(where, "macro_type", 0, 2, header.play_type) &&
           reader.Number(where, "play_times", 1, 255, header.play_times) &&
           reader.Number(where, "delay_type", 0, 2, header.delay_type) &&
           reader.Number(where, "delay_time", 0, kMaxPause, header.delay_time);
}

bool ReadItem(MacroReader& reader, int n, MacroItem& item) {
    const std::string where = "<item> " + std::to_string(n);
    if (!reader.Text(where, "desc", item.desc) ||
        !reader.Number(where, "index", kAnyLow, kAnyHigh, item.record_index) ||
        !reader.Number(where, "type", kFirstItemType, kLastItemType, item.type) ||
        !reader.Number(where, "timestamp", kAnyLow, kAnyHigh, item.delay_time)) {
        return false;
    }
    return item.type == kPauseItem ? reader.Number(where, "value", 1, kMaxPause, item.value)
                                   : reader.Number(where, "value", kAnyLow, kAnyHigh, item.value);
}

}  // namespace

std::string MacroFilePath(const std::string& folder, std::string_view name, std::uint32_t tick) {
    return WithTrailingSlash(folder) + SafeFileName(name) + "-" +
           std::to_string(static_cast<std::int32_t>(tick)) + ".xml";
}

bool WriteMacroFile(const std::string& path, const MacroFileContent& content, std::string& reason) {
    XmlDocument document;
    document.SetDocument(kDeclaration);
    document.AddElement("macro");
    document.EnterElement();
    document.AddElement("macroinfo");
    document.SetAttribute("macro_name", content.header.name);
    document.SetAttribute("macro_type", std::to_string(content.header.play_type));
    document.SetAttribute("play_times", std::to_string(content.header.play_times));
    document.SetAttribute("delay_type", std::to_string(content.header.delay_type));
    document.SetAttribute("delay_time", std::to_string(content.header.delay_time));
    document.AddElement("macroitems");
    document.EnterElement();
    for (const MacroItem& item : content.items) {
        document.AddElement("item");
        document.SetAttribute("desc", item.desc);
        document.SetAttribute("index", std::to_string(item.record_index));
        document.SetAttribute("type", std::to_string(item.type));
        document.SetAttribute("value", std::to_string(item.value));
        document.SetAttribute("timestamp", std::to_string(item.delay_time));
    }
    return SaveExchangeDocument(document, path, reason);
}

bool ReadMacroFile(const std::string& path, MacroFileContent& content, std::string& reason) {
    content = MacroFileContent{};
    XmlDocument document;
    if (!LoadExchangeDocument(document, path, reason)) {
        return false;
    }
    if (!document.FindElement("macro")) {
        reason = "the file is not a macro file (its root element is not <macro>)";
        return false;
    }
    document.EnterElement();
    MacroReader reader(document, reason);
    // Found or not, the header is read: a file without it makes an unnamed macro.
    document.FindElement("macroinfo");
    if (!ReadHeader(reader, content.header)) {
        content = MacroFileContent{};
        return false;
    }
    if (document.FindElement("macroitems")) {
        document.EnterElement();
        while (document.FindElement("item")) {
            if (content.items.size() == kMaxItems) {
                reason = "the file holds more than " + std::to_string(kMaxItems) +
                         " steps, the most a macro may have";
                content = MacroFileContent{};
                return false;
            }
            MacroItem& item = content.items.emplace_back();
            if (!ReadItem(reader, static_cast<int>(content.items.size()), item)) {
                content = MacroFileContent{};
                return false;
            }
        }
    }
    return true;
}

}  // namespace quillon
