#include <algorithm>

#include "cli/Commands.h"
#include "cli/DeviceSession.h"
#include "cli/JsonLine.h"
#include "platform/NumberText.h"

namespace quillon::cli {
namespace {

std::string ModeText(int mode) {
    return std::to_string(mode) + " (" + ConnectionModeName(mode) + ")";
}

void PrintTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) {
                line += std::string(widths[i] - row[i].size() + 2, ' ');
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << "\n";
    }
}

}  // namespace

int RunDevices(CliContext& context, const CommandArgs& /*args*/) {
    DeviceSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    std::vector<DeviceEntryInfo> entries;
    session.Manager().Collect(entries);
    const int mode = session.Status().mode;

    if (context.options.json) {
        Json list = Json::array();
        for (const DeviceEntryInfo& entry : entries) {
            list.push_back({{"index", entry.index},
                            {"vid", Hex4(entry.vendorId)},
                            {"pid", Hex4(entry.productId)},
                            {"connection_mode", entry.mode},
                            {"online", entry.online != 0},
                            {"path", entry.path},
                            {"manufacturer", entry.manufacturer},
                            {"product", entry.product}});
        }
        context.out << JsonLine({{"connection_mode", mode},
                                 {"connection", ConnectionModeName(mode)},
                                 {"entries", list}})
                    << "\n";
    } else if (entries.empty()) {
        context.out << "No supported mouse found.\nConnection mode: " << ModeText(mode) << "\n";
    } else {
        std::vector<std::vector<std::string>> rows = {
            {"#", "VID", "PID", "MODE", "ONLINE", "PATH", "MANUFACTURER", "PRODUCT"}};
        for (const DeviceEntryInfo& entry : entries) {
            rows.push_back({std::to_string(entry.index), Hex4(entry.vendorId),
                            Hex4(entry.productId), ModeText(entry.mode),
                            std::to_string(entry.online), entry.path, entry.manufacturer,
                            entry.product});
        }
        PrintTable(context.out, rows);
        context.out << "Connection mode: " << ModeText(mode) << "\n";
    }
    if (std::string problem = session.PermissionProblem(); !problem.empty()) {
        return context.Fail(kExitFailure, problem);
    }
    return kExitOk;
}

}  // namespace quillon::cli
