#include <algorithm>
#include <cctype>
#include <iostream>

#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/StoredThenSent.h"
#include "cli/WorkerSession.h"
#include "protocol/CommandFrames.h"
#include "protocol/PerformanceBlock.h"
#include "protocol/ProfileValues.h"

namespace quillon::cli {
namespace {

int OpenWithMouse(WorkerSession& session) {
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    return session.RequireMouse();
}

// "stage 3 (1600 DPI), 1000 Hz" for the stored values of the session's profile.
std::string PerformanceSummary(WorkerSession& session) {
    ProfileValues values(session.Store(), session.Profile());
    int stage = ClampStageIndex(values.Get("dpi_index"));
    return "stage " + std::to_string(stage + 1) + " (" +
           std::to_string(values.Get(ProfileValues::DpiValueKey(stage))) + " DPI), " +
           std::to_string(ReportRateHz(values.Get("report_rate"))) + " Hz";
}

Json PerformanceJson(WorkerSession& session) {
    ProfileValues values(session.Store(), session.Profile());
    int stage = ClampStageIndex(values.Get("dpi_index"));
    const int rate = values.Get("report_rate");
    return {{"profile", session.Profile()},
            {"stage", stage + 1},
            {"dpi", values.Get(ProfileValues::DpiValueKey(stage))},
            {"report_rate", rate},
            {"report_rate_hz", ReportRateHz(rate)},
            {"light_mode", values.Get("light_mode")}};
}

// Asks on stderr (stdout may be read by a script) and reads the answer from stdin.
bool Confirm(CliContext& context, const std::string& question) {
    if (context.options.yes) {
        return true;
    }
    context.err << question << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        context.err << "\n";
        return false;
    }
    std::transform(answer.begin(), answer.end(), answer.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return answer == "y" || answer == "yes";
}

}  // namespace

int RunRead(CliContext& context, const CommandArgs& /*args*/) {
    WorkerSession session(context);
    if (int status = OpenWithMouse(session); status != kExitOk) {
        return status;
    }
    if (int status = session.HoldMouse("nothing was read"); status != kExitOk) {
        return status;
    }
    session.Run(DeviceTask::ReadFromDevice);
    if (int status = session.CheckAnswered("what it did not send is unchanged in the database");
        status != kExitOk) {
        return status;
    }
    if (context.options.json) {
        context.out << JsonLine(PerformanceJson(session)) << "\n";
    } else {
        context.out << "Read the mouse's settings into profile " << session.Profile() << ": "
                    << PerformanceSummary(session) << ".\n";
    }
    return kExitOk;
}

int RunApply(CliContext& context, const CommandArgs& /*args*/) {
    WorkerSession session(context);
    if (int status = OpenWithMouse(session); status != kExitOk) {
        return status;
    }
    if (int status = session.HoldMouse("nothing was sent"); status != kExitOk) {
        return status;
    }
    std::vector<MacroHeader> macros;
    int macroCount = session.Store().LoadMacros(macros);
    session.Run(DeviceTask::ApplyToDevice);
    const std::vector<long>& done = session.Host().TasksDone();
    if (!done.empty() && done.back() == kTaskDoneMacrosRefused) {
        return context.Fail(kExitFailure,
                            "nothing was sent to the mouse: " + session.Commands().MacroProblem() +
                                "; shorten or delete macros, then apply again");
    }
    if (int status = session.CheckAnswered("its settings may be incomplete; apply again");
        status != kExitOk) {
        return status;
    }
    if (context.options.json) {
        Json json = PerformanceJson(session);
        json["macro_count"] = macroCount;
        context.out << JsonLine(json) << "\n";
    } else {
        context.out << "Sent to the mouse: " << macroCount << " macro"
                    << (macroCount == 1 ? "" : "s")
                    << ", the button tables of profiles 1-5 and the performance settings of "
                       "profile "
                    << session.Profile() << ": " << PerformanceSummary(session) << ".\n";
    }
    return kExitOk;
}

int RunInfo(CliContext& context, const CommandArgs& /*args*/) {
    WorkerSession session(context);
    if (int status = OpenWithMouse(session); status != kExitOk) {
        return status;
    }
    if (int status = session.HoldMouse("ask again later"); status != kExitOk) {
        return status;
    }
    CommandSet& commands = session.Commands();
    commands.ShowFirmwareVersions();
    commands.QueryFirmwareVersion();
    commands.ReadBattery();
    if (int status = session.CheckAnswered("the information is incomplete"); status != kExitOk) {
        return status;
    }
    const CliWorkerHost& host = session.Host();
    const int mode = session.Devices().Status().mode;
    const auto& battery = host.LastBattery();
    const bool chargeKnown = battery && battery->state != 2;
    if (context.options.json) {
        context.out << JsonLine({{"connection_mode", mode},
                                 {"connection", ConnectionModeName(mode)},
                                 {"firmware", host.Firmware()},
                                 {"battery", battery ? Json(battery->level) : Json()},
                                 {"charging", chargeKnown ? Json(battery->state == 1) : Json()}})
                    << "\n";
        return kExitOk;
    }
    context.out << "Connection: " << ConnectionModeName(mode) << "\n"
                << "Firmware:   " << host.Firmware() << "\n"
                << "Battery:    ";
    if (!battery) {
        context.out << "unknown (the mouse did not answer)\n";
    } else {
        context.out << battery->level << "% ("
                    << (!chargeKnown          ? "charge state unknown"
                        : battery->state == 1 ? "charging"
                                              : "not charging")
                    << ")\n";
    }
    return kExitOk;
}

int RunReset(CliContext& context, const CommandArgs& /*args*/) {
    WorkerSession session(context);
    if (int status = OpenWithMouse(session); status != kExitOk) {
        return status;
    }
    if (!Confirm(context,
                 "Reset the mouse to its factory settings and empty the settings "
                 "database (profiles, buttons and macros)?")) {
        return context.Fail(kExitFailure, "not confirmed; nothing was changed (--yes confirms)");
    }
    if (int status = session.HoldMouse("nothing was reset"); status != kExitOk) {
        return status;
    }
    if (!session.Store().ClearAll()) {
        return WriteFailed(context, session.Store());
    }
    session.Host().SetLoaded(false);
    session.Run(DeviceTask::FactoryReset);
    if (int status = session.CheckAnswered("the database was reset; run reset again for the mouse");
        status != kExitOk) {
        return status;
    }
    if (context.options.json) {
        Json json = PerformanceJson(session);
        json["reset"] = true;
        context.out << JsonLine(json) << "\n";
    } else {
        context.out << "The mouse is back to its factory settings and the settings database "
                       "starts afresh: "
                    << PerformanceSummary(session) << ".\n";
    }
    return kExitOk;
}

int RunRestoreDefaults(CliContext& context, const CommandArgs& /*args*/) {
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    const int profile = session.Profile();
    SettingsStore& store = session.Store();
    if (!store.InOneTransaction([&] {
            store.DeleteKeyAssignments(profile);
            store.ResetProfileValues(profile, session.Devices().Status().mode);
        })) {
        return WriteFailed(context, store);
    }
    const bool sent = !context.options.noSend && session.HasMouse();
    if (sent) {
        if (int status = session.HoldMouse("the defaults are stored; apply sends them later");
            status != kExitOk) {
            return status;
        }
        session.Run(DeviceTask::RestoreDefaults);
        if (int status = session.CheckAnswered("the defaults are stored; apply to send them again");
            status != kExitOk) {
            return status;
        }
    }
    if (context.options.json) {
        Json json = PerformanceJson(session);
        json["stored"] = true;
        json["sent"] = sent;
        context.out << JsonLine(json) << "\n";
    } else {
        context.out << "Profile " << profile << " has its default buttons and settings again ("
                    << PerformanceSummary(session) << ")"
                    << "; " << WhatHappened(context, session, sent) << ".\n";
    }
    return kExitOk;
}

}  // namespace quillon::cli
