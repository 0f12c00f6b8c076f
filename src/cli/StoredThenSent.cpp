#include "cli/StoredThenSent.h"

namespace quillon::cli {

std::string WhatHappened(const CliContext& context, bool sent) {
    if (sent) {
        return "stored and sent to the mouse";
    }
    return std::string(context.options.noSend ? "stored; not sent (--no-send)"
                                              : "stored; no mouse connected") +
           " — `quillonctl apply` sends it later";
}

Sender SenderOfKey(const std::string& key) {
    if (key == "report_rate") {
        return &CommandSet::WriteReportRate;
    }
    if (key == "dpi_index") {
        return &CommandSet::WriteCurrentDpi;
    }
    if (key == "light_mode") {
        return &CommandSet::WriteLightMode;
    }
    return &CommandSet::WritePerformanceBlock;
}

int StoredThenSent(CliContext& context, WorkerSession& session, const std::string& what,
                   void (CommandSet::*send)()) {
    return StoredThenSent(context, session, what, send, {{"profile", session.Profile()}});
}

int StoredThenSent(CliContext& context, WorkerSession& session, const std::string& what,
                   void (CommandSet::*send)(), Json json) {
    const bool sent = !context.options.noSend && session.HasMouse();
    if (sent) {
        if (int status = session.HoldMouse("the value is stored; apply sends it later");
            status != kExitOk) {
            return status;
        }
        (session.Commands().*send)();
        if (int status = session.CheckAnswered("the value is stored; apply to send it again");
            status != kExitOk) {
            return status;
        }
    }
    if (context.options.json) {
        json["stored"] = true;
        json["sent"] = sent;
        context.out << JsonLine(json) << "\n";
    } else {
        context.out << what << ", " << WhatHappened(context, sent) << ".\n";
    }
    return kExitOk;
}

}  // namespace quillon::cli
