#pragma once

#include <string>

#include "cli/CliContext.h"
#include "cli/JsonLine.h"
#include "cli/WorkerSession.h"

namespace quillon::cli {

// The one rule for what reaches the mouse: after a change was stored, it is sent with `send`
// when a mouse takes commands and --no-send was not given; the output says which of the two
// happened, in text and as "sent" in JSON (`what` names the change).
// "stored and sent to the mouse", or why it was only stored and how to send it later.
std::string WhatHappened(const CliContext& context, bool sent);

// The command that brings a changed setting of `key` to the mouse.
using Sender = void (CommandSet::*)();
Sender SenderOfKey(const std::string& key);

int StoredThenSent(CliContext& context, WorkerSession& session, const std::string& what,
                   void (CommandSet::*send)());
// The same with the JSON answer's other fields in `json` (an object); "stored" and "sent" are
// added to it.
int StoredThenSent(CliContext& context, WorkerSession& session, const std::string& what,
                   void (CommandSet::*send)(), Json json);

}  // namespace quillon::cli
