#include <algorithm>
#include <iomanip>
#include <sstream>

#include "cli/ButtonFunctionArgument.h"
#include "cli/Commands.h"
#include "cli/EnglishTexts.h"
#include "cli/JsonLine.h"
#include "cli/StoreSession.h"
#include "cli/StoredThenSent.h"
#include "cli/TerminalText.h"
#include "input/FunctionCatalogue.h"
#include "platform/NumberText.h"

namespace quillon::cli {
namespace {

// The stored assignment of a button, or the default it stands for.
KeyAssignment ButtonOf(SettingsStore& store, int profile, int keyCode) {
    KeyAssignment record;
    if (!store.GetKeyAssignment(profile, keyCode, record)) {
        record = DefaultAssignment(profile, keyCode);
    }
    return record;
}

// The name a button shows; a macro that no longer exists shows as deleted, not by the name
// its assignment still carries. An emoji's stored text is the same for every emoji, so the
// number and code say which one it types.
std::string ButtonName(SettingsStore& store, const KeyAssignment& record) {
    MacroHeader macro;
    if (record.macro_type == kFnMacro && !store.GetMacro(record.macro_value, macro)) {
        return "macro (deleted)";
    }
    if (record.macro_type == kFnEmoji) {
        return EmojiFunctionText(record.macro_value);
    }
    return AssignmentDisplayName(record, EnglishLanguage());
}

Json ButtonJson(SettingsStore& store, const KeyAssignment& record) {
    return {{"key_code", record.key_code},
            {"type", record.macro_type},
            {"value", record.macro_value},
            {"value2", record.macro_value2},
            {"name", ButtonName(store, record)}};
}

std::string ButtonLine(SettingsStore& store, const KeyAssignment& record) {
    std::ostringstream line;
    line << std::left << std::setw(4) << record.key_code << std::setw(5) << record.macro_type
         << std::setw(7) << record.macro_value << std::setw(7) << record.macro_value2
         << Shown(ButtonName(store, record));
    return line.str();
}

int SetButton(CliContext& context, const std::string& keyWord, const std::string& functionWord) {
    const int keyCode = ParseLeadingInt(keyWord);
    ButtonFunctionArgument function;
    std::string error;
    if (!ParseButtonFunction(functionWord, EnglishLanguage(), function, error)) {
        return context.Fail(kExitUsage, error);
    }
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    if (!HaveProfile(context, session.Database())) {
        return kExitFailure;
    }
    SettingsStore& store = session.Store();
    const int profile = session.Profile();
    std::string lock;
    // The window keeps the left button's list shut while it is locked; so does the command line,
    // so that a script cannot take the last working click away by accident.
    if (keyCode == 1 && store.GetValue(profile, "leftbtn_lock", lock) && lock == "1") {
        return context.Fail(kExitFailure, "the left button of profile " + std::to_string(profile) +
                                              " is locked; unlock it with 'set leftbtn_lock 0'");
    }
    KeyAssignment record;
    record.profile = profile;
    record.key_code = keyCode;
    if (!function.restoreDefault) {
        record.macro_type = function.type;
        record.macro_value = function.value;
        record.macro_value2 = function.value2;
        if (function.type == kFnMacro) {
            MacroHeader macro;
            if (!store.GetMacro(function.value, macro)) {
                return context.Fail(
                    kExitFailure,
                    "there is no macro " + std::to_string(function.value) + " (see 'macro list')");
            }
            function.callerText = macro.name;
        }
        record.macro_desc = DescribeAssignment(record, function.callerText, EnglishLanguage());
    }
    // A record without values removes the row: the button is back at its default.
    if (store.SaveKeyAssignment(record) == 0 && store.LastFailure() != kSqlOk) {
        return WriteFailed(context, store);
    }
    const KeyAssignment stored = ButtonOf(store, profile, keyCode);
    Json json = {{"profile", profile}};
    json.update(ButtonJson(store, stored));
    return StoredThenSent(context, session,
                          "profile " + std::to_string(profile) + ", button " +
                              std::to_string(keyCode) + ": " + Shown(ButtonName(store, stored)),
                          kButtonParts, std::move(json));
}

}  // namespace

int RunButtons(CliContext& context, const CommandArgs& /*args*/) {
    StoreSession session(context);
    if (!session.Ok() || !HaveProfile(context, session)) {
        return kExitFailure;
    }
    Json list = Json::array();
    std::string text = "key type value  value2 name\n";
    for (int keyCode : kEditableKeyCodes) {
        const KeyAssignment record = ButtonOf(session.Store(), session.Profile(), keyCode);
        list.push_back(ButtonJson(session.Store(), record));
        text += ButtonLine(session.Store(), record) + "\n";
    }
    context.out << (context.options.json
                        ? JsonLine({{"profile", session.Profile()}, {"buttons", list}}) + "\n"
                        : text);
    return kExitOk;
}

// Every FUNCTION word with its meaning.
int ListFunctions(CliContext& context) {
    const std::vector<ButtonFunctionWord> words = ButtonFunctionWords(EnglishLanguage());
    if (context.options.json) {
        Json list = Json::array();
        for (const ButtonFunctionWord& word : words) {
            list.push_back({{"function", word.word}, {"meaning", word.meaning}});
        }
        context.out << JsonLine({{"functions", list}}) << "\n";
        return kExitOk;
    }
    for (const ButtonFunctionWord& word : words) {
        context.out << std::left << std::setw(38) << word.word << " " << word.meaning << "\n";
    }
    return kExitOk;
}

int RunButton(CliContext& context, const CommandArgs& args) {
    if (args[0] == "functions") {
        return ListFunctions(context);
    }
    return SetButton(context, args[1], args[2]);
}

}  // namespace quillon::cli
