#include "app/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace quillon {

void Trace(const char* format, ...) {
    static const bool enabled = std::getenv("QUILLON_TRACE") != nullptr;
    if (!enabled) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
}

}  // namespace quillon
