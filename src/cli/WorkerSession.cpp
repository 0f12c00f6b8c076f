#include "cli/WorkerSession.h"

#include <algorithm>

namespace quillon::cli {

WorkerSession::WorkerSession(CliContext& context)
    : context_(context), store_(context), devices_(context), typer_(context.err) {}

WorkerSession::~WorkerSession() {
    if (holding_) {
        devices_.Manager().UnlockTransfers();
    }
}

int WorkerSession::HoldMouse(const std::string& what) {
    if (holding_) {
        return kExitOk;
    }
    DeviceManager& manager = devices_.Manager();
    if (!manager.LockTransfers(std::chrono::milliseconds(kMouseWaitMs))) {
        return context_.Fail(kExitFailure,
                             manager.TransferLockHolder() + " is using the mouse (waited " +
                                 std::to_string(kMouseWaitMs / 1000) + " s); " + what);
    }
    holding_ = true;
    return kExitOk;
}

int WorkerSession::Open() {
    if (!store_.Ok()) {
        return kExitFailure;
    }
    if (int status = devices_.Open(); status != kExitOk) {
        return status;
    }
    host_ = std::make_unique<CliWorkerHost>(store_.Store(), devices_, context_.options.profile);
    commands_ =
        std::make_unique<CommandSet>(devices_.Manager(), store_.Store(), *host_, queue_, typer_);
    worker_ = std::make_unique<DeviceWorker>(queue_, *host_, *commands_);
    return kExitOk;
}

bool WorkerSession::HasMouse() const {
    const DeviceStatus& status = devices_.Status();
    return status.present && status.connected && status.mode != kBluetoothMode;
}

std::string WorkerSession::NoMouseReason() {
    if (HasMouse()) {
        return {};
    }
    if (std::string problem = devices_.PermissionProblem(); !problem.empty()) {
        return problem;
    }
    const DeviceStatus& status = devices_.Status();
    if (!status.present) {
        return "no Quillon mouse is connected";
    }
    if (status.mode == kBluetoothMode) {
        std::vector<DeviceEntryInfo> entries;
        devices_.Manager().Collect(entries);
        const bool receiver = std::any_of(entries.begin(), entries.end(), [](const auto& entry) {
            return entry.mode == kReceiverMode;
        });
        // Of a receiver and Bluetooth, Bluetooth is the connection the mouse is on.
        return receiver ? "the receiver and Bluetooth are both connected, and Bluetooth, which "
                          "carries no settings, is the active connection; switch the mouse to "
                          "its receiver or connect the cable"
                        : "the mouse is connected over Bluetooth, which carries no settings; "
                          "connect the cable or the receiver";
    }
    return "the receiver is connected but the mouse does not answer (switched off or asleep)";
}

int WorkerSession::RequireMouse() {
    const std::string reason = NoMouseReason();
    return reason.empty() ? kExitOk : context_.Fail(kExitNoDevice, reason);
}

int WorkerSession::CheckAnswered(const std::string& what) {
    int unanswered = commands_->Channel().Unanswered();
    if (unanswered == 0) {
        return kExitOk;
    }
    return context_.Fail(kExitFailure, "the mouse left " + std::to_string(unanswered) + " command" +
                                           (unanswered == 1 ? "" : "s") + " unanswered; " + what);
}

void WorkerSession::Run(DeviceTask task) {
    queue_.Enqueue(task);
    while (!queue_.Empty()) {
        worker_->RunStep();
    }
}

}  // namespace quillon::cli
