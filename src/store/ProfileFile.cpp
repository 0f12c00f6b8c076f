#include "store/ProfileFile.h"

#include <array>
#include <limits>
#include <string_view>

#include "platform/NumberText.h"
#include "platform/SettingTable.h"
#include "store/ExchangeDocument.h"
#include "store/XmlDocument.h"

namespace quillon {
namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
constexpr int kDpiStages = 6;

constexpr auto kDpiAttributes =
    std::to_array<std::string_view>({"dpi_flag", "dpi_index", "dpi_count"});
constexpr auto kMouseValues = std::to_array<std::string_view>({
    "button_respondtime",
    "report_rate",
    "sensor_flag",
    "liftoff_height",
    "scroll_flag",
    "move_light_flag",
    "move_wakeUp_flag",
    "e-sports_flag",
    "leftbtn_lock",
});

// The range a value must lie in to be taken from a file.
struct Domain {
    int low;
    int high;
};

Domain DomainOf(std::string_view key) {
    const SettingEntry* setting = SettingByKey(key);
    // Keys outside the table are bytes the mouse takes as they are.
    return setting != nullptr ? Domain{setting->low, setting->high} : Domain{0, 255};
}

constexpr Domain kAnyInt{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};

std::string GroupKey(int stage, std::string_view what) {
    return "dpi_group" + std::to_string(stage) + std::string(what);
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Reads the file's elements in file order, checking every value as it goes.
class ProfileReader {
  public:
    ProfileReader(XmlDocument& document, ProfileFileContent& content, std::string& reason)
        : document_(document), content_(content), reason_(reason) {}

    bool Read() {
        document_.ResetPos();
        if (!document_.FindElement("profile")) {
            reason_ = "the file is not a profile file (its root element is not <profile>)";
            return false;
        }
        document_.EnterElement();
        if (document_.FindElement("profileinfo")) {
            content_.name = document_.GetAttribute("name");
        }
        document_.EnterElement();
        return ReadKeyItems() && ReadDpi() && ReadMouse();
    }

  private:
    bool ReadKeyItems() {
        if (!document_.FindElement("keyitems")) {
            return true;
        }
        document_.EnterElement();
        for (int n = 1; document_.FindElement("item"); ++n) {
            KeyAssignment item;
            const std::string where = "<item> " + std::to_string(n);
            if (!Number(where, "key_code", 1, 9, item.key_code) ||
                !Number(where, "macro_type", 1, 27, item.macro_type) ||
                !Number(where, "macro_value", kAnyInt.low, kAnyInt.high, item.macro_value) ||
                !Number(where, "macro_value2", kAnyInt.low, kAnyInt.high, item.macro_value2) ||
                !Number(where, "macro_value3", kAnyInt.low, kAnyInt.high, item.macro_value3)) {
                return false;
            }
            if (!FunctionValuesFit(where, item)) {
                return false;
            }
            item.macro_desc = document_.GetAttribute("macro_desc");
            content_.keyItems.push_back(item);
        }
        document_.LeaveElement();
        return true;
    }

    bool ReadDpi() {
        if (!document_.FindElement("Mouse_DPI")) {
            return true;
        }
        for (std::string_view key : kDpiAttributes) {
            if (!Value("<Mouse_DPI>", key, key)) {
                return false;
            }
        }
        document_.EnterElement();
        for (int stage = 0; stage < kDpiStages; ++stage) {
            const std::string name = "DPI" + std::to_string(stage + 1);
            if (document_.FindElement(name) &&
                (!Value("<" + name + ">", "value", GroupKey(stage, "_value")) ||
                 !Value("<" + name + ">", "color", GroupKey(stage, "_rgb")))) {
                return false;
            }
        }
        document_.LeaveElement();
        return true;
    }

    bool ReadMouse() {
        if (!document_.FindElement("Mouse")) {
            return true;
        }
        document_.EnterElement();
        for (std::string_view key : kMouseValues) {
            if (document_.FindElement(key) && !Value("<" + std::string(key) + ">", "value", key)) {
                return false;
            }
        }
        document_.LeaveElement();
        return true;
    }

    // The values of the function types whose values are codes or table rows must be ones the
    // program can send; 0 is allowed, as it leaves the button at its default.
    bool FunctionValuesFit(const std::string& where, const KeyAssignment& item) {
        Domain value = kAnyInt;
        Domain value2 = kAnyInt;
        switch (item.macro_type) {
            case 22:
                value = {0, 255};
                value2 = {0, 255};
                break;
            case 23:
                value = {0, kAnyInt.high};
                break;
            case 25:
                value = {0, 8};
                break;
            case 26:
                value = {0, 13};
                break;
            case 27:
                value = {0, 109};
                break;
            default:
                break;
        }
        const int* bad = nullptr;
        const char* name = nullptr;
        if (item.macro_value < value.low || item.macro_value > value.high) {
            bad = &item.macro_value;
            name = "macro_value";
        } else if (item.macro_value2 < value2.low || item.macro_value2 > value2.high) {
            bad = &item.macro_value2;
            name = "macro_value2";
        }
        if (bad != nullptr) {
            reason_ = where + ": " + name + " " + std::to_string(*bad) +
                      " is not a value of function type " + std::to_string(item.macro_type);
            return false;
        }
        return true;
    }

    // An item number: absent or empty reads as 0, anything else must be a whole number.
    bool Number(const std::string& where, std::string_view attribute, int low, int high,
                int& number) {
        const std::string text = document_.GetAttribute(attribute);
        int value = 0;
        if (!text.empty() && !ParseWholeInt(text, value)) {
            reason_ =
                where + ": " + std::string(attribute) + " " + Quoted(text) + " is not a number";
            return false;
        }
        if (value < low || value > high) {
            reason_ = where + ": " + std::string(attribute) + " " + Quoted(text) + " is outside " +
                      std::to_string(low) + ".." + std::to_string(high);
            return false;
        }
        number = value;
        return true;
    }

    // A configuration value: absent or empty leaves the setting alone; anything else must be a
    // whole number in the key's domain, stored in the form the program writes.
    bool Value(const std::string& where, std::string_view attribute, std::string_view key) {
        const std::string text = document_.GetAttribute(attribute);
        if (text.empty()) {
            return true;
        }
        int value = 0;
        if (!ParseWholeInt(text, value)) {
            reason_ =
                where + ": " + std::string(attribute) + " " + Quoted(text) + " is not a number";
            return false;
        }
        const Domain domain = DomainOf(key);
        if (value < domain.low || value > domain.high) {
            reason_ = where + ": " + std::string(attribute) + " " + Quoted(text) +
                      " is not a valid " + std::string(key) + " (" + std::to_string(domain.low) +
                      ".." + std::to_string(domain.high) + ")";
            return false;
        }
        content_.values.emplace_back(std::string(key), std::to_string(value));
        return true;
    }

    XmlDocument& document_;
    ProfileFileContent& content_;
    std::string& reason_;
};

}  // namespace

const std::vector<std::string>& ProfileFileKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> list(kDpiAttributes.begin(), kDpiAttributes.end());
        for (int stage = 0; stage < kDpiStages; ++stage) {
            list.push_back(GroupKey(stage, "_value"));
            list.push_back(GroupKey(stage, "_rgb"));
        }
        list.insert(list.end(), kMouseValues.begin(), kMouseValues.end());
        return list;
    }();
    return keys;
}

bool WriteProfileFile(const std::string& path, const ProfileFileContent& content,
                      std::string& reason) {
    auto value = [&content](std::string_view key) {
        for (const auto& [name, text] : content.values) {
            if (name == key) {
                return text;
            }
        }
        return std::string();
    };
    XmlDocument document;
    document.SetDocument(kDeclaration);
    document.AddElement("profile");
    document.EnterElement();
    document.AddElement("profileinfo");
    document.SetAttribute("name", content.name);
    document.EnterElement();
    document.AddElement("keyitems");
    document.EnterElement();
    for (const KeyAssignment& item : content.keyItems) {
        document.AddElement("item");
        document.SetAttribute("key_code", std::to_string(item.key_code));
        document.SetAttribute("macro_type", std::to_string(item.macro_type));
        document.SetAttribute("macro_value", std::to_string(item.macro_value));
        document.SetAttribute("macro_value2", std::to_string(item.macro_value2));
        document.SetAttribute("macro_value3", std::to_string(item.macro_value3));
        document.SetAttribute("macro_desc", item.macro_desc);
    }
    document.LeaveElement();
    document.AddElement("Mouse_DPI");
    for (std::string_view key : kDpiAttributes) {
        document.SetAttribute(key, value(key));
    }
    document.EnterElement();
    for (int stage = 0; stage < kDpiStages; ++stage) {
        document.AddElement("DPI" + std::to_string(stage + 1));
        document.SetAttribute("value", value(GroupKey(stage, "_value")));
        document.SetAttribute("color", value(GroupKey(stage, "_rgb")));
    }
    document.LeaveElement();
    document.AddElement("Mouse");
    document.EnterElement();
    for (std::string_view key : kMouseValues) {
        document.AddElement(key);
        document.SetAttribute("value", value(key));
    }
    return SaveExchangeDocument(document, path, reason);
}

bool ReadProfileFile(const std::string& path, ProfileFileContent& content, std::string& reason) {
    content = ProfileFileContent{};
    XmlDocument document;
    if (!LoadExchangeDocument(document, path, reason)) {
        return false;
    }
    ProfileReader reader(document, content, reason);
    if (!reader.Read()) {
        content = ProfileFileContent{};
        return false;
    }
    return true;
}

}  // namespace quillon
