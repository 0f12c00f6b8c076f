#pragma once

#include "protocol/CThreadBasic.h"
#include "protocol/DeviceOperations.h"
#include "protocol/TaskQueue.h"
#include "protocol/WorkerHost.h"

namespace quillon {

// The device worker: every step runs one queued task or, with the queue empty and a mouse
// present, one notification poll. All traffic with the mouse goes through here.
class DeviceWorker : public CThreadBasic {
  public:
    DeviceWorker(TaskQueue& queue, WorkerHost& host, DeviceOperations& operations);
    ~DeviceWorker() override;

    // One step on the calling thread, for callers that run the work themselves (the command
    // line). Must not be used while the thread runs. True when it took a task from the queue.
    bool RunStep() { return Step(); }

    static constexpr int kArrivalWaitMs = 1000;  // lets a new interface finish enumerating
    static constexpr int kSettleMs = 100;
    // How long a step waits for another process to let go of the mouse before it tries again.
    static constexpr int kLockWaitMs = 200;

  protected:
    bool Step() override;
    // Nothing present, or nothing to read from: only a queued task changes anything.
    bool IdleUntilWoken() override;
    void OnStopRequested() override { operations_.InterruptPoll(); }

  private:
    void RunTask(int id);
    void InitialLoad();
    void FirstRead();
    // Closes the wait dialog and lets the mouse settle.
    void Settle();

    TaskQueue& queue_;
    WorkerHost& host_;
    DeviceOperations& operations_;
};

}  // namespace quillon
