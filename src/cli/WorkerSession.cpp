#include "cli/WorkerSession.h"

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

int WorkerSession::RequireMouse() {
    if (HasMouse()) {
        return kExitOk;
    }
    if (std::string problem = devices_.PermissionProblem(); !problem.empty()) {
        return context_.Fail(kExitNoDevice, problem);
    }
    const DeviceStatus& status = devices_.Status();
    if (!status.present) {
        return context_.Fail(kExitNoDevice, "no Quillon mouse is connected");
    }
    if (status.mode == kBluetoothMode) {
        return context_.Fail(kExitNoDevice,
                             "the mouse is connected over Bluetooth, which carries no settings; "
                             "connect the cable or the receiver");
    }
    return context_.Fail(kExitNoDevice,
                         "the receiver is connected but the mouse does not answer (switched off "
                         "or asleep)");
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
