#include "cli/ButtonFunctionArgument.h"

#include <array>
#include <utility>

#include "input/EmojiTable.h"
#include "input/FunctionCatalogue.h"
#include "input/KeyNames.h"
#include "platform/NumberText.h"

namespace quillon::cli {
namespace {

constexpr auto kSimpleFunctions = std::to_array<std::pair<std::string_view, int>>({
    {"left", kFnLeftClick},
    {"right", kFnRightClick},
    {"middle", kFnMiddleClick},
    {"forward", kFnForward},
    {"backward", kFnBackward},
    {"wheel-up", kFnWheelUp},
    {"wheel-down", kFnWheelDown},
    {"dpi-up", kFnDpiUp},
    {"dpi-down", kFnDpiDown},
    {"dpi-cycle", kFnDpiCycle},
    {"disable", kFnDisabled},
});

constexpr auto kMediaNames = std::to_array<std::pair<std::string_view, int>>({
    {"play-pause", 2},
    {"stop", 3},
    {"previous", 4},
    {"next", 5},
    {"volume-up", 6},
    {"volume-down", 7},
    {"mute", 8},
});

constexpr auto kModifierWords = std::to_array<std::pair<std::string_view, int>>({
    {"ctrl", kModCtrl},
    {"shift", kModShift},
    {"alt", kModAlt},
    {"win", kModWin},
});

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

// A whole decimal number from `low` to `high`; false otherwise.
bool ParseNumber(std::string_view text, int low, int high, int& number) {
    int value = 0;
    if (!ParseWholeInt(text, value) || value < low || value > high) {
        return false;
    }
    number = value;
    return true;
}

bool ParseKey(std::string_view text, ButtonFunctionArgument& function, std::string& error) {
    int modifiers = 0;
    std::string_view rest = text;
    for (size_t plus = rest.find('+'); plus != std::string_view::npos && plus > 0;
         plus = rest.find('+')) {
        int bit = 0;
        for (const auto& [word, wordBit] : kModifierWords) {
            if (SameWord(rest.substr(0, plus), word)) {
                bit = wordBit;
            }
        }
        if (bit == 0) {
            break;
        }
        modifiers |= bit;
        rest.remove_prefix(plus + 1);
    }
    const int usage = UsageOfName(rest);
    if (usage == 0) {
        error = "no key is named '" + std::string(rest) + "'";
        return false;
    }
    function.type = kFnKey;
    function.value = usage;
    function.value2 = modifiers;
    function.callerText = ShortcutText(modifiers, UsageName(usage));
    return true;
}

}  // namespace

std::vector<ButtonFunctionWord> ButtonFunctionWords(const LanguageContext& language) {
    std::vector<ButtonFunctionWord> words;
    for (const auto& [word, type] : kSimpleFunctions) {
        words.push_back({std::string(word), language.Text(FunctionTextId(type))});
    }
    words.push_back({"key:[ctrl+][shift+][alt+][win+]NAME",
                     "a key with modifiers, e.g. key:ctrl+shift+A (key names as 'buttons' shows "
                     "them)"});
    for (const auto& [word, value] : kMediaNames) {
        words.push_back(
            {"media:" + std::string(word), language.Text(FindMultimediaCommand(value)->textId)});
    }
    for (const SystemCommand& command : SystemCommands()) {
        words.push_back({"system:" + std::to_string(command.value), language.Text(command.textId)});
    }
    words.push_back({"macro:ID", "plays the stored macro ID (see 'macro list')"});
    for (int number = 1; number <= kEmojiCount; ++number) {
        words.push_back({"emoji:" + std::to_string(number), EmojiFunctionText(number)});
    }
    words.push_back({"default", "the button's own function"});
    return words;
}

std::string EmojiFunctionText(int number) {
    return "emoji " + std::to_string(number) + " (" + EmojiCode(number) + ")";
}

int UsageOfName(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    for (int usage = 1; usage <= 0xFF; ++usage) {
        if (SameWord(UsageName(usage), name)) {
            return usage;
        }
    }
    return 0;
}

bool ParseButtonFunction(std::string_view text, const LanguageContext& language,
                         ButtonFunctionArgument& function, std::string& error) {
    function = ButtonFunctionArgument{};
    if (text == "default") {
        function.restoreDefault = true;
        return true;
    }
    for (const auto& [word, type] : kSimpleFunctions) {
        if (text == word) {
            function.type = type;
            function.value = 1;
            return true;
        }
    }
    const size_t colon = text.find(':');
    const std::string_view kind = text.substr(0, colon);
    if (colon == std::string_view::npos) {
        error = "unknown function '" + std::string(text) + "' (see --help)";
        return false;
    }
    const std::string_view detail = text.substr(colon + 1);
    if (kind == "key") {
        return ParseKey(detail, function, error);
    }
    if (kind == "media") {
        for (const auto& [word, value] : kMediaNames) {
            if (detail == word) {
                function.type = kFnMultimedia;
                function.value = value;
                return true;
            }
        }
        error = "media needs one of play-pause, stop, previous, next, volume-up, volume-down, mute";
        return false;
    }
    if (kind == "system") {
        if (!ParseNumber(detail, 1, kSystemCommandCount, function.value)) {
            error = "system needs a number from 1 to 13";
            return false;
        }
        function.type = kFnSystem;
        // The two commands stored as words keep the wording the dialog would show.
        function.callerText = language.Text(FindSystemCommand(function.value)->textId);
        return true;
    }
    if (kind == "macro") {
        if (!ParseNumber(detail, 1, 999999999, function.value)) {
            error = "macro needs a macro id (see 'macro list')";
            return false;
        }
        function.type = kFnMacro;
        return true;
    }
    if (kind == "emoji") {
        if (!ParseNumber(detail, 1, kEmojiCount, function.value)) {
            error = "emoji needs a number from 1 to 109";
            return false;
        }
        function.type = kFnEmoji;
        function.callerText = std::string(kEmojiFunctionName);
        return true;
    }
    error = "unknown function '" + std::string(text) + "' (see --help)";
    return false;
}

}  // namespace quillon::cli
