#include <iomanip>
#include <sstream>

#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/StoreSession.h"
#include "cli/StoredThenSent.h"
#include "platform/NumberText.h"
#include "platform/SettingTable.h"
#include "protocol/PerformanceBlock.h"
#include "protocol/ProfileValues.h"

namespace quillon::cli {
namespace {

Json SettingJson(const SettingEntry& setting, int stored) {
    return {{"name", setting.name},
            {"key", setting.key},
            {"value", stored},
            {"text", SettingText(setting, stored)},
            {"allowed", AllowedText(setting)}};
}

// One setting, or all of them when `only` is null.
int ShowSettings(CliContext& context, const SettingEntry* only) {
    StoreSession session(context);
    if (!session.Ok() || !HaveProfile(context, session)) {
        return kExitFailure;
    }
    ProfileValues values(session.Store(), session.Profile());
    Json list = Json::array();
    std::ostringstream text;
    for (const SettingEntry& setting : SettingTable()) {
        if (only != nullptr && only != &setting) {
            continue;
        }
        const int stored = values.Get(setting.key);
        list.push_back(SettingJson(setting, stored));
        text << std::left << std::setw(18) << setting.name << std::setw(20)
             << SettingText(setting, stored) << AllowedText(setting) << "\n";
    }
    if (context.options.json) {
        context.out << JsonLine({{"profile", session.Profile()}, {"settings", list}}) << "\n";
    } else {
        context.out << text.str();
    }
    return kExitOk;
}

// The answer to a change: the profile and the setting as `settings NAME` shows it.
Json AnswerJson(int profile, const SettingEntry& setting, int stored) {
    Json answer = {{"profile", profile}};
    answer.update(SettingJson(setting, stored));
    return answer;
}

int SetSetting(CliContext& context, const SettingEntry& setting, const std::string& text) {
    int stored = 0;
    if (!SettingFromText(setting, text, stored)) {
        return context.Fail(
            kExitUsage, setting.name + " takes " + AllowedText(setting) + ", not '" + text + "'");
    }
    // Typed DPI follows the performance page's rule, as `dpi set` does.
    if (setting.unit == SettingUnit::Dpi) {
        stored = RoundEnteredDpi(stored);
    }
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    if (int status = StoreValue(context, session.Store(), session.Profile(), setting.key,
                                std::to_string(stored));
        status != kExitOk) {
        return status;
    }
    return StoredThenSent(context, session,
                          setting.name + " of profile " + std::to_string(session.Profile()) +
                              " is " + SettingText(setting, stored),
                          PartsOfKey(setting.key), AnswerJson(session.Profile(), setting, stored));
}

}  // namespace

int RunSettings(CliContext& context, const CommandArgs& args) {
    if (args.empty()) {
        return ShowSettings(context, nullptr);
    }
    // "stage-colour 2 #00ff00" names stage-colour-2, as "dpi 3 1600" names dpi-3.
    const bool staged = args.size() == 3;
    const SettingEntry* setting = SettingByName(staged ? args[0] + "-" + args[1] : args[0]);
    if (setting == nullptr) {
        return context.Fail(kExitUsage,
                            "no setting is named '" + args[0] + "' ('settings' lists them)");
    }
    if (args.size() == 1) {
        return ShowSettings(context, setting);
    }
    if (args.size() == 2 || staged) {
        return SetSetting(context, *setting, args.back());
    }
    return context.Fail(kExitUsage, "usage: settings [NAME [VALUE]]");
}

}  // namespace quillon::cli
