#include "cli/JsonLine.h"

namespace quillon::cli {

std::string JsonLine(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace quillon::cli
