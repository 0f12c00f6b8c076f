#pragma once

#include <memory>

#include "cli/CliContext.h"
#include "cli/CliWorkerHost.h"
#include "cli/DeviceSession.h"
#include "cli/NoticeTyper.h"
#include "cli/StoreSession.h"
#include "protocol/CommandSet.h"
#include "protocol/DeviceTask.h"
#include "protocol/DeviceWorker.h"
#include "protocol/TaskQueue.h"

namespace quillon::cli {

// The settings database, the mouse and the device worker of one quillonctl command. The worker
// runs its steps on the command's own thread, so every transfer stays on one thread:
//
//     WorkerSession session(context);
//     if (int status = session.Open(); status != kExitOk) return status;
//     if (int status = session.RequireMouse(); status != kExitOk) return status;
//     session.Run(DeviceTask::ReadFromDevice);
class WorkerSession {
  public:
    explicit WorkerSession(CliContext& context);
    ~WorkerSession();
    WorkerSession(const WorkerSession&) = delete;
    WorkerSession& operator=(const WorkerSession&) = delete;

    // Opens the database and looks for the mouse; kExitOk, or the status to end with after the
    // reason has been printed.
    int Open();
    // Whether a mouse that takes commands is connected: by cable or through a receiver whose
    // mouse answers (Bluetooth is recognised but not configured).
    bool HasMouse() const;
    // Why no such mouse is there, in the user's terms with what to do; empty when one is.
    std::string NoMouseReason();
    // kExitOk with such a mouse; otherwise prints why there is none and returns kExitNoDevice.
    int RequireMouse();

    // Keeps other processes off the mouse until the session ends, waiting up to
    // kMouseWaitMs; kExitOk, or after saying which process holds the mouse (`what`: what
    // becomes of the command's change) kExitFailure.
    int HoldMouse(const std::string& what);
    static constexpr int kMouseWaitMs = 3000;

    // Queues the task and runs the worker until the queue is empty (a task may queue another).
    void Run(DeviceTask task);
    // kExitOk when the mouse answered every command so far; otherwise prints that it did not
    // (`what` says what may be incomplete) and returns kExitFailure.
    int CheckAnswered(const std::string& what);

    // One worker step: a queued task, else a notification poll. True when it ran a task.
    bool Step() { return worker_->RunStep(); }

    SettingsStore& Store() { return store_.Store(); }
    const StoreSession& Database() const { return store_; }
    DeviceSession& Devices() { return devices_; }
    CliWorkerHost& Host() { return *host_; }
    CommandSet& Commands() { return *commands_; }
    TaskQueue& Queue() { return queue_; }
    int Profile() const { return host_->ActiveProfile(); }

  private:
    CliContext& context_;
    StoreSession store_;
    DeviceSession devices_;
    TaskQueue queue_;
    NoticeTyper typer_;
    std::unique_ptr<CliWorkerHost> host_;
    std::unique_ptr<CommandSet> commands_;
    std::unique_ptr<DeviceWorker> worker_;
    bool holding_ = false;
};

}  // namespace quillon::cli
