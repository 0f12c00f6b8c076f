#include <atomic>
#include <chrono>
#include <csignal>
#include <mutex>
#include <optional>
#include <thread>

#include "cli/Commands.h"
#include "cli/JsonLine.h"
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

    void OnConnected(const char* connection) {
        // A re-plugged mouse starts afresh: every value gets its line again.
        stage_.reset();
        rate_.reset();
        lightMode_.reset();
        battery_.reset();
        Print({{"event", "connected"}, {"connection", connection}},
              std::string("connected (") + connection + ")");
    }
    void OnDisconnected() { Print({{"event", "disconnected"}}, "disconnected"); }

    void OnStage(int stage, int dpi) override {
        if (Changed(stage_, stage << 16 | (dpi & 0xFFFF))) {
            Print({{"event", "stage"}, {"stage", stage}, {"dpi", dpi}},
                  "stage " + std::to_string(stage) + ": " + std::to_string(dpi) + " DPI");
        }
    }
    void OnReportRate(int code) override {
        if (Changed(rate_, code)) {
            int hz = ReportRateHz(code);
            Print({{"event", "report_rate"}, {"report_rate", code}, {"report_rate_hz", hz}},
                  "report rate: " + std::to_string(hz) + " Hz");
        }
    }
    void OnLightMode(int mode) override {
        if (Changed(lightMode_, mode)) {
            Print({{"event", "light_mode"}, {"light_mode", mode}},
                  "light mode: " + std::to_string(mode));
        }
    }
    void OnBattery(int level, int state) override {
        if (Changed(battery_, level * 256 + state)) {
            Print({{"event", "battery"},
                   {"battery", level},
                   {"charging", state == 2 ? Json() : Json(state == 1)}},
                  "battery: " + std::to_string(level) + "%" + (state == 1 ? " (charging)" : ""));
        }
    }

  private:
    static bool Changed(std::optional<int>& last, int value) {
        bool changed = last != value;
        last = value;
        return changed;
    }

    void Print(const Json& json, const std::string& text) {
        context_.out << (context_.options.json ? JsonLine(json) : text) << std::endl;
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

namespace {

// Counts hot-plug events from the backend's own source. Without one, a look every second while
// no mouse is connected (looking while one is would close its handle and lose its reports).
class PlugEvents {
  public:
    explicit PlugEvents(HidBackend& backend) : source_(backend.CreateChangeSource()) {
        started_ = source_ &&
                   source_->Start([this](DeviceChangeEvent, const std::string&) { ++pending_; });
    }
    ~PlugEvents() {
        if (started_) {
            source_->Stop();
        }
    }
    PlugEvents(const PlugEvents&) = delete;
    PlugEvents& operator=(const PlugEvents&) = delete;

    // Whether the devices should be looked at again now.
    bool Due(bool connected) {
        if (started_) {
            return pending_.exchange(0) > 0;
        }
        if (connected) {
            return false;
        }
        auto now = std::chrono::steady_clock::now();
        if (now - lastLook_ < std::chrono::seconds(1)) {
            return false;
        }
        lastLook_ = now;
        return true;
    }

  private:
    std::unique_ptr<DeviceChangeSource> source_;
    bool started_ = false;
    std::atomic<int> pending_{0};
    std::chrono::steady_clock::time_point lastLook_ = std::chrono::steady_clock::now();
};

// The connection, then the state the first read left: one line per value. `read`: the first
// read is still to be done.
void PrintConnected(WorkerSession& session, WatchPrinter& printer, bool read) {
    printer.OnConnected(ConnectionModeName(session.Devices().Status().mode));
    if (read) {
        session.Host().SetLoaded(false);
        session.Run(DeviceTask::InitialLoad);
    } else if (const auto& battery = session.Host().LastBattery()) {
        printer.OnBattery(battery->level, battery->state);
    }
    ProfileValues values(session.Store(), session.Profile());
    int stage = ClampStageIndex(values.Get("dpi_index"));
    printer.OnStage(stage + 1, values.Get(ProfileValues::DpiValueKey(stage)));
    printer.OnReportRate(values.Get("report_rate"));
    printer.OnLightMode(values.Get("light_mode"));
}

}  // namespace

int RunWatch(CliContext& context, const CommandArgs& /*args*/) {
    const bool once = context.options.once;
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    InterruptScope interrupts;
    WatchPrinter printer(context);
    CliWorkerHost& host = session.Host();
    host.SetListener(&printer);
    PlugEvents plugs(session.Devices().Manager().Backend());

    bool connected = session.HasMouse();
    int mode = session.Devices().Status().mode;
    if (connected) {
        PrintConnected(session, printer, true);
    } else {
        printer.OnDisconnected();
    }
    if (once) {
        host.SetListener(nullptr);
        return connected ? kExitOk : session.RequireMouse();
    }
    const WatchHook hook = CurrentHook();
    while (gInterrupted == 0) {
        if (plugs.Due(connected)) {
            // The window's tasks: an arrival waits for the interface to settle and reads the
            // mouse; a removal looks at what is left.
            const bool arrival = !connected;
            // Heard once the connection line is out, so that values follow it.
            host.SetListener(nullptr);
            session.Run(arrival ? DeviceTask::DeviceArrived : DeviceTask::DeviceRemoved);
            host.SetListener(&printer);
            const bool now = session.HasMouse();
            const int nowMode = session.Devices().Status().mode;
            if (now != connected || (now && nowMode != mode)) {
                if (now) {
                    PrintConnected(session, printer, false);
                } else {
                    printer.OnDisconnected();
                }
            }
            connected = now;
            mode = nowMode;
        }
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
