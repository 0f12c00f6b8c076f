#include "store/MacroFile.h"

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

int Number(const XmlDocument& document, std::string_view attribute) {
    return ParseLeadingInt(document.GetAttribute(attribute));
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
    // Found or not, the header is read: a file without it makes an unnamed macro.
    document.FindElement("macroinfo");
    content.header.name = document.GetAttribute("macro_name");
    content.header.play_type = Number(document, "macro_type");
    content.header.play_times = Number(document, "play_times");
    content.header.delay_type = Number(document, "delay_type");
    content.header.delay_time = Number(document, "delay_time");
    if (document.FindElement("macroitems")) {
        document.EnterElement();
        while (document.FindElement("item")) {
            MacroItem item;
            item.desc = document.GetAttribute("desc");
            item.record_index = Number(document, "index");
            item.type = Number(document, "type");
            item.value = Number(document, "value");
            item.delay_time = Number(document, "timestamp");
            content.items.push_back(item);
        }
    }
    return true;
}

}  // namespace quillon
