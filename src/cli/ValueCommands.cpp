#include <iomanip>
#include <sstream>

#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/StoreSession.h"
#include "cli/StoredThenSent.h"
#include "platform/NumberText.h"
#include "platform/SettingTable.h"
#include "store/Schema.h"

namespace quillon::cli {
namespace {

// A stored value as JSON: whole numbers as numbers, any other text ("version") as it is.
Json ValueJson(const std::string& value) {
    int number = 0;
    return ParseWholeInt(value, number) ? Json(number) : Json(value);
}

Json KeyValueJson(int profile, const std::string& key, const std::string& value) {
    return {{"profile", profile}, {"key", key}, {"value", ValueJson(value)}};
}

// A setting the mouse holds: stored, then sent as every change of it is.
int SetSettingKey(CliContext& context, const std::string& key, const std::string& value) {
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    const int profile = session.Profile();
    if (int status = StoreValue(context, session.Store(), profile, key, value); status != kExitOk) {
        return status;
    }
    return StoredThenSent(context, session,
                          "profile " + std::to_string(profile) + ": " + key + " = " + value,
                          PartsOfKey(key), KeyValueJson(profile, key, value));
}

}  // namespace

int RunGet(CliContext& context, const CommandArgs& args) {
    StoreSession session(context);
    if (!session.Ok() || !HaveProfile(context, session)) {
        return kExitFailure;
    }
    std::string value;
    if (!session.Store().GetValue(session.Profile(), args[0], value)) {
        if (session.Store().LastFailure() != kSqlOk) {
            return ReadFailed(context, session.Store());
        }
        return context.Fail(kExitFailure, "profile " + std::to_string(session.Profile()) +
                                              " has no value '" + args[0] + "' (see 'values')");
    }
    if (context.options.json) {
        context.out << JsonLine(KeyValueJson(session.Profile(), args[0], value)) << "\n";
    } else {
        context.out << value << "\n";
    }
    return kExitOk;
}

int RunSet(CliContext& context, const CommandArgs& args) {
    const std::string& key = args[0];
    // Every setting is a whole number ("05" is stored as 5); the mouse commands read them so.
    const std::string value = std::to_string(ParseLeadingInt(args[1]));
    // A value the mouse does not take is refused before anything is stored.
    if (const SettingEntry* setting = SettingByKey(key);
        setting != nullptr &&
        (ParseLeadingInt(value) < setting->low || ParseLeadingInt(value) > setting->high)) {
        return context.Fail(kExitUsage, "'" + key + "' takes " + std::to_string(setting->low) +
                                            " to " + std::to_string(setting->high) + " (" +
                                            setting->name + ": " + AllowedText(*setting) +
                                            "), not " + value);
    }
    if (SettingByKey(key) != nullptr) {
        return SetSettingKey(context, key, value);
    }
    StoreSession session(context);
    if (!session.Ok() || !HaveProfile(context, session)) {
        return kExitFailure;
    }
    int profile = session.Profile();
    if (int status = StoreValue(context, session.Store(), profile, key, value); status != kExitOk) {
        return status;
    }
    if (context.options.json) {
        Json json = KeyValueJson(profile, key, value);
        json["stored"] = true;
        context.out << JsonLine(json) << "\n";
    } else {
        context.out << "profile " << profile << ": " << key << " = " << value << "\n";
    }
    return kExitOk;
}

int RunValues(CliContext& context, const CommandArgs& /*args*/) {
    StoreSession session(context);
    if (!session.Ok() || !HaveProfile(context, session)) {
        return kExitFailure;
    }
    // Rows exist only for the keys every profile is created with.
    Json object = Json::object();
    std::ostringstream text;
    for (const ConfigValue& row : InsertedValues()) {
        std::string key(row.key);
        std::string value;
        if (!session.Store().GetValue(session.Profile(), key, value)) {
            if (session.Store().LastFailure() != kSqlOk) {
                return ReadFailed(context, session.Store());
            }
            continue;
        }
        text << std::left << std::setw(20) << key << " " << value << "\n";
        object[key] = ValueJson(value);
    }
    context.out << (context.options.json
                        ? JsonLine({{"profile", session.Profile()}, {"values", object}}) + "\n"
                        : text.str());
    return kExitOk;
}

}  // namespace quillon::cli
