#include "cli/StoredThenSent.h"

#include <optional>

namespace quillon::cli {
namespace {

bool AnyPart(const MouseParts& parts) {
    return parts.macros || parts.buttons || parts.performance || parts.currentDpi ||
           parts.reportRate || parts.lightMode;
}

}  // namespace

MouseParts PartsOfKey(const std::string& key) {
    if (key == "report_rate") {
        return {.reportRate = true};
    }
    if (key == "dpi_index") {
        return {.currentDpi = true};
    }
    if (key == "light_mode") {
        return {.lightMode = true};
    }
    return {.performance = true};
}

std::string WhatHappened(const CliContext& context, WorkerSession& session, bool sent) {
    if (sent) {
        return "stored and sent to the mouse";
    }
    return WhatHappened(context.options.noSend ? NotSent::NoSend : NotSent::NoMouse, session);
}

std::string WhatHappened(NotSent reason, WorkerSession& session) {
    const std::string profile = std::to_string(session.Profile());
    switch (reason) {
        case NotSent::NoSend:
            return "stored; not sent (--no-send) — `quillonctl apply` sends it later";
        case NotSent::OtherProfile:
            return "stored; profile " + profile +
                   " is not the one the mouse plays — `quillonctl profile use " + profile +
                   "` sends it";
        case NotSent::NoMouse:
            break;
    }
    if (!session.Devices().Status().present) {
        return "stored; no mouse connected — `quillonctl apply` sends it later";
    }
    return "stored; " + session.NoMouseReason() + " — `quillonctl apply` sends it later";
}

int StoredThenSent(CliContext& context, WorkerSession& session, const std::string& what,
                   const MouseParts& parts) {
    return StoredThenSent(context, session, what, parts, {{"profile", session.Profile()}});
}

int StoredThenSent(CliContext& context, WorkerSession& session, const std::string& what,
                   const MouseParts& parts, Json json) {
    MouseParts sending = parts;
    const bool otherProfile = session.Profile() != session.Store().ActiveProfile();
    if (otherProfile) {
        sending.performance = sending.currentDpi = sending.reportRate = sending.lightMode = false;
    }
    std::optional<NotSent> notSent;
    if (context.options.noSend) {
        notSent = NotSent::NoSend;
    } else if (!session.HasMouse()) {
        notSent = NotSent::NoMouse;
    } else if (!AnyPart(sending)) {
        notSent = NotSent::OtherProfile;
    }
    if (!notSent) {
        if (int status = session.HoldMouse("the change is stored; apply sends it later");
            status != kExitOk) {
            return status;
        }
        if (!SendParts(session.Commands(), sending)) {
            return context.Fail(kExitFailure, what + ", stored; nothing was sent to the mouse: " +
                                                  session.Commands().MacroProblem() +
                                                  "; shorten or delete macros, then apply");
        }
        if (int status = session.CheckAnswered("the change is stored; apply to send it again");
            status != kExitOk) {
            return status;
        }
    }
    const std::string happened =
        notSent ? WhatHappened(*notSent, session) : WhatHappened(context, session, true);
    if (context.options.json) {
        json["stored"] = true;
        json["sent"] = !notSent;
        context.out << JsonLine(json) << "\n";
    } else {
        context.out << what << ", " << happened << ".\n";
    }
    return kExitOk;
}

}  // namespace quillon::cli
