#pragma once

namespace quillon {

// The program's debugger traces: printf-style, to stderr only when QUILLON_TRACE is set in
// the environment (nothing reads them; they are for a developer watching the program).
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace quillon
