#pragma once

#include <functional>

class QObject;

namespace quillon {

// Runs `fn` later on the thread of `context` (the GUI thread for the toolkit's objects), from any
// thread; dropped when `context` is destroyed first. Qt hands a queued call over under its own
// locks, which the thread checker cannot see in Debian's Qt; the call's own lock, taken on both
// sides, shows it the order, so what the caller wrote before posting reads as written.
void PostQueuedCall(QObject* context, std::function<void()> fn);

}  // namespace quillon
