#pragma once

#include <string>

#include "cli/CliContext.h"
#include "cli/JsonLine.h"
#include "cli/WorkerSession.h"
#include "protocol/MouseParts.h"

namespace quillon::cli {

// A button's function: the tables index the macro image, so the image goes first.
inline constexpr MouseParts kButtonParts{.macros = true, .buttons = true};
// What the mouse holds of the one profile it plays.
inline constexpr MouseParts kProfileParts{
    .performance = true, .currentDpi = true, .reportRate = true};
// A whole profile, its buttons and its performance settings: what `apply` sends, so an import
// that was only stored is sent whole by the apply its answer suggests.
inline constexpr MouseParts kWholeProfileParts = kAppliedParts;

// The part that brings a changed setting of `key` to the mouse.
MouseParts PartsOfKey(const std::string& key);

// Why a stored change did not reach the mouse.
enum class NotSent { NoSend, NoMouse, OtherProfile };

// "stored and sent to the mouse", or why it was only stored and how to send it later.
std::string WhatHappened(const CliContext& context, WorkerSession& session, bool sent);
std::string WhatHappened(NotSent reason, WorkerSession& session);

// The one rule for what reaches the mouse: after a change was stored, its parts are sent when
// a mouse takes commands and --no-send was not given. The performance parts belong to the
// profile the mouse plays, so a change to another profile keeps them for `profile use`. The
// output says which happened, in text (`what` names the change) and as "stored" and "sent"
// added to the JSON answer `json` (an object).
int StoredThenSent(CliContext& context, WorkerSession& session, const std::string& what,
                   const MouseParts& parts);
int StoredThenSent(CliContext& context, WorkerSession& session, const std::string& what,
                   const MouseParts& parts, Json json);

}  // namespace quillon::cli
