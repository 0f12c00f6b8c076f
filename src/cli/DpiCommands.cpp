#include <cstdio>

#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/StoreSession.h"
#include "cli/StoredThenSent.h"
#include "cli/WorkerSession.h"
#include "platform/NumberText.h"
#include "platform/SettingTable.h"
#include "protocol/CommandFrames.h"
#include "protocol/PerformanceBlock.h"
#include "protocol/ProfileValues.h"

namespace quillon::cli {
namespace {

// What became of an entered DPI that is not stored as given.
std::string RoundingNote(int entered, int dpi) {
    if (entered == dpi) {
        return "";
    }
    if (entered < kMinEnteredDpi || entered > kMaxEnteredDpi) {
        return " (" + std::to_string(entered) + " is outside " + std::to_string(kMinEnteredDpi) +
               "-" + std::to_string(kMaxEnteredDpi) + ", so it was clamped)";
    }
    return " (" + std::to_string(entered) + " rounded to the nearest 100)";
}

Json RateJson(int profile, int code) {
    return {{"profile", profile}, {"report_rate", code}, {"report_rate_hz", ReportRateHz(code)}};
}

int ShowRate(CliContext& context) {
    StoreSession session(context);
    if (!session.Ok()) {
        return kExitFailure;
    }
    const int code = ProfileValues(session.Store(), session.Profile()).Get("report_rate");
    const int hz = ReportRateHz(code);
    if (context.options.json) {
        context.out << JsonLine(RateJson(session.Profile(), code)) << "\n";
    } else {
        context.out << "The report rate of profile " << session.Profile() << " is " << hz
                    << " Hz.\n";
    }
    return kExitOk;
}

int ShowStages(CliContext& context) {
    StoreSession session(context);
    if (!session.Ok()) {
        return kExitFailure;
    }
    ProfileValues values(session.Store(), session.Profile());
    int current = ClampStageIndex(values.Get("dpi_index")) + 1;
    if (context.options.json) {
        Json stages = Json::array();
        for (int stage = 1; stage <= kStageCount; ++stage) {
            stages.push_back(
                {{"stage", stage},
                 {"dpi", values.Get(ProfileValues::DpiValueKey(stage - 1))},
                 {"color", ColourText(values.Get(ProfileValues::DpiColourKey(stage - 1)))}});
        }
        context.out << JsonLine(
                           {{"profile", session.Profile()}, {"stage", current}, {"stages", stages}})
                    << "\n";
        return kExitOk;
    }
    context.out << "Profile " << session.Profile() << ", DPI stages (* current):\n";
    for (int stage = 1; stage <= kStageCount; ++stage) {
        char line[64];
        std::snprintf(line, sizeof line, "%c %d  %5d DPI  %s\n", stage == current ? '*' : ' ',
                      stage, values.Get(ProfileValues::DpiValueKey(stage - 1)),
                      ColourText(values.Get(ProfileValues::DpiColourKey(stage - 1))).c_str());
        context.out << line;
    }
    return kExitOk;
}

int SetStageDpi(CliContext& context, const CommandArgs& args) {
    const int stage = ParseLeadingInt(args[1]);
    const int entered = ParseLeadingInt(args[2]);
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    int dpi = RoundEnteredDpi(entered);
    if (int status = StoreValue(context, session.Store(), session.Profile(),
                                ProfileValues::DpiValueKey(stage - 1), std::to_string(dpi));
        status != kExitOk) {
        return status;
    }
    return StoredThenSent(context, session,
                          "Stage " + std::to_string(stage) + " of profile " +
                              std::to_string(session.Profile()) + " is " + std::to_string(dpi) +
                              " DPI" + RoundingNote(entered, dpi),
                          MouseParts{.performance = true},
                          {{"profile", session.Profile()}, {"stage", stage}, {"dpi", dpi}});
}

int SelectStage(CliContext& context, const CommandArgs& args) {
    const int stage = ParseLeadingInt(args[1]);
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    if (int status = StoreValue(context, session.Store(), session.Profile(), "dpi_index",
                                std::to_string(stage - 1));
        status != kExitOk) {
        return status;
    }
    return StoredThenSent(context, session,
                          "Stage " + std::to_string(stage) + " is the current stage of profile " +
                              std::to_string(session.Profile()),
                          MouseParts{.currentDpi = true},
                          {{"profile", session.Profile()}, {"stage", stage}});
}

}  // namespace

int RunDpi(CliContext& context, const CommandArgs& args) {
    if (args.empty()) {
        return ShowStages(context);
    }
    return args[0] == "set" ? SetStageDpi(context, args) : SelectStage(context, args);
}

int RunRate(CliContext& context, const CommandArgs& args) {
    if (args.empty()) {
        return ShowRate(context);
    }
    const int hz = ParseLeadingInt(args[0]);
    const int code = ReportRateCode(hz);
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    if (int status = StoreValue(context, session.Store(), session.Profile(), "report_rate",
                                std::to_string(code));
        status != kExitOk) {
        return status;
    }
    return StoredThenSent(context, session,
                          "The report rate of profile " + std::to_string(session.Profile()) +
                              " is " + std::to_string(hz) + " Hz",
                          MouseParts{.reportRate = true}, RateJson(session.Profile(), code));
}

}  // namespace quillon::cli
