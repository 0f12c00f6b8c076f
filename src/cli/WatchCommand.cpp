#include <chrono>
#include <csignal>
#include <mutex>
#include <optional>
#include <thread>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "cli/WatchHook.h"
#include "cli/WorkerSession.h"
#include "protocol/CommandFrames.h"
#include "protocol/PerformanceBlock.h"
#include "protocol/ProfileValues.h"

namespace quillon::cli {
namespace {

volatile std::sig_atomic_t gInterrupted = 0;

void OnInterrupt(int) {
    gInterrupted = 1;
}

std::mutex gHookMutex;
WatchHook gHook;

WatchHook CurrentHook() {
    std::lock_guard lock(gHookMutex);
    return gHook;
}

// Routes SIGINT and SIGTERM to the flag while the watch runs.
class InterruptScope {
  public:
    InterruptScope() {
        gInterrupted = 0;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &oldInt_);
        sigaction(SIGTERM, &action, &oldTerm_);
    }
    ~InterruptScope() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
    }
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;

  private:
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};

// Prints one line whenever the mouse reports a value that differs from the last one printed.
class WatchPrinter : public ReportListener {
  public:
    explicit WatchPrinter(CliContext& context) : context_(context) {}

    int Lines() const { return lines_; }

    void OnStage(int stage, int dpi) override {
        if (Changed(stage_, stage << 16 | (dpi & 0xFFFF))) {
            Print(Json::MakeObject().Set("event", "stage").Set("stage", stage).Set("dpi", dpi),
                  "stage " + std::to_string(stage) + ": " + std::to_string(dpi) + " DPI");
        }
    }
    void OnReportRate(int code) override {
        if (Changed(rate_, code)) {
            int hz = ReportRateHz(code);
            Print(Json::MakeObject().Set("event", "report_rate").Set("report_rate", hz),
                  "report rate: " + std::to_string(hz) + " Hz");
        }
    }
    void OnLightMode(int mode) override {
        if (Changed(lightMode_, mode)) {
            Print(Json::MakeObject().Set("event", "light_mode").Set("light_mode", mode),
                  "light mode: " + std::to_string(mode));
        }
    }
    void OnBattery(int level, int state) override {
        if (Changed(battery_, level * 256 + state)) {
            Json charging = state == 2 ? Json() : Json(state == 1);
            Print(Json::MakeObject()
                      .Set("event", "battery")
                      .Set("battery", level)
                      .Set("charging", std::move(charging)),
                  "battery: " + std::to_string(level) + "%" + (state == 1 ? " (charging)" : ""));
        }
    }

  private:
    static bool Changed(std::optional<int>& last, int value) {
        bool changed = last != value;
        last = value;
        return changed;
    }

    void Print(Json& json, const std::string& text) {
        context_.out << (context_.options.json ? json.Dump() : text) << std::endl;
        ++lines_;
    }

    CliContext& context_;
    int lines_ = 0;
    std::optional<int> stage_;
    std::optional<int> rate_;
    std::optional<int> lightMode_;
    std::optional<int> battery_;
};

}  // namespace

void SetWatchHook(WatchHook hook) {
    std::lock_guard lock(gHookMutex);
    gHook = std::move(hook);
}

int RunWatch(CliContext& context, const CommandArgs& args) {
    if (!args.empty()) {
        return context.Fail(kExitUsage, "watch takes no arguments");
    }
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    if (int status = session.RequireMouse(); status != kExitOk) {
        return status;
    }
    InterruptScope interrupts;
    WatchPrinter printer(context);
    CliWorkerHost& host = session.Host();
    host.SetListener(&printer);

    // The window's first read, then the state it leaves: one line per value to start with.
    session.Run(DeviceTask::InitialLoad);
    ProfileValues values(session.Store(), session.Profile());
    int stage = ClampStageIndex(values.Get("dpi_index"));
    printer.OnStage(stage + 1, values.Get(ProfileValues::DpiValueKey(stage)));
    printer.OnReportRate(values.Get("report_rate"));
    printer.OnLightMode(values.Get("light_mode"));

    const WatchHook hook = CurrentHook();
    while (gInterrupted == 0) {
        session.Step();
        std::this_thread::sleep_for(std::chrono::milliseconds(CThreadBasic::kDefaultIntervalMs));
        if (hook && !hook(session.Devices(), printer.Lines())) {
            break;
        }
    }
    host.SetListener(nullptr);
    return kExitOk;
}

}  // namespace quillon::cli
