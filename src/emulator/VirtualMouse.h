#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/Clock.h"
#include "device/DeviceCatalogue.h"
#include "device/HidBackend.h"
#include "emulator/VirtualFirmware.h"
#include "emulator/VirtualPerformance.h"

namespace quillon {

enum class VirtualLink { Wired, Receiver, Bluetooth };

// One way the virtual mouse is attached to the computer.
struct VirtualInterfaceConfig {
    VirtualLink link = VirtualLink::Wired;
    bool mouseOnline = true;     // receivers: whether the mouse behind it answers
    std::uint16_t vendorId = 0;  // 0: the virtual mouse's own ids for the link
    std::uint16_t productId = 0;
};

// One request as the mouse received it.
struct VirtualRequest {
    enum class Kind { Output, SetFeature, GetFeature };
    Kind kind = Kind::Output;
    std::string path;
    std::vector<std::uint8_t> bytes;  // as written: report id first
    bool answered = false;            // a reply was queued (or the feature report returned)
    Clock::Duration time{};

    // The framed command code (request byte 2).
    std::uint8_t Command() const { return bytes.size() > 2 ? bytes[2] : 0; }
};

// A firmware model of the mouse with its USB cable, 2.4 GHz receivers and Bluetooth link, for
// tests and for --emulate. It answers the framed commands, the receiver's block query and the
// version feature report byte for byte, and each open handle has its own queue of input
// reports, as hidraw gives. Faults, user actions and hot-plug can be driven from outside.
// Thread-safe. Handles opened on it must be closed before it is destroyed.
class VirtualMouse {
  public:
    static constexpr std::uint16_t kVendorId = 0x1915;
    static constexpr std::uint16_t kWiredProductId = 0xAE1C;
    static constexpr std::uint16_t kReceiverProductId = 0xAE11;
    static constexpr std::uint16_t kBluetoothProductId = 0xAE12;
    // Reports a handle holds before new ones are dropped, as hidraw does.
    static constexpr std::size_t kQueueLimit = 64;

    using ButtonTable = VirtualFirmwareState::ButtonTable;
    using MacroImage = VirtualFirmwareState::MacroImage;

    explicit VirtualMouse(Clock& clock = RealClock());
    VirtualMouse(const VirtualMouse&) = delete;
    VirtualMouse& operator=(const VirtualMouse&) = delete;

    // --- Attachment. Interfaces are numbered from 0 in the order they were connected; plugging
    // and unplugging raise the same arrival and removal events as real hot-plug.
    int Connect(const VirtualInterfaceConfig& config);
    int InterfaceCount() const;
    void Unplug(int index);
    void Plug(int index);
    void UnplugAll();
    // A receiver's mouse going to sleep or waking up (no hot-plug event: the receiver stays).
    void SetMouseOnline(int index, bool online);
    // The device node that carries commands (none for Bluetooth: empty).
    std::string CommandPath(int index) const;
    // Catalogue mode records (device type 101) for the connected interfaces' ids: wired mode 0,
    // receiver 1, Bluetooth 2.
    std::vector<DeviceModelRecord> CatalogueModes() const;

    // --- User actions on the mouse; each sends its notification over the link in use (the
    // cable when plugged, else a receiver whose mouse is online).
    void PressDpiButton();
    void PressLightButton();
    void SetBattery(std::uint8_t level, std::uint8_t chargeState);
    void PressEmojiButton(std::uint8_t index, std::uint8_t type = 0x50);
    void SendNotification(std::uint8_t type, std::uint8_t first, std::uint8_t second);

    // --- Faults.
    void DropReplies(int count);      // the next `count` replies are never sent
    void CorruptReplies(int count);   // the next `count` replies carry a wrong first byte
    void OversizeReplies(int count);  // the next `count` replies come as 65-byte reports
    void FailWrites(int count);       // the next `count` writes fail
    void RejectFeatureReports(bool reject);
    void DenyAccess(bool deny);  // opening fails for lack of permission
    // The `count`-th request from now unplugs every interface before it is answered.
    void UnplugOnRequest(int count);
    // A report left pending on every open command handle, as a stale notification would be.
    void InjectInputReport(const std::vector<std::uint8_t>& report);
    // Time between a request and its reply becoming readable (0 by default).
    void SetReplyLatency(Clock::Duration latency);

    // --- State.
    VirtualFirmwareState State() const;
    void SetState(const VirtualFirmwareState& state);
    VirtualPerformance Performance(int profile) const;
    void SetPerformance(int profile, const VirtualPerformance& performance);
    ButtonTable Buttons(int profile) const;
    MacroImage MacroImageBytes() const;
    int MacroCommits() const;
    int CurrentProfile() const;
    int CurrentStage() const;  // 1..6, of the current profile
    int ReportRate() const;
    int LightMode() const;
    int BatteryLevel() const;
    int ChargeState() const;
    std::vector<VirtualRequest> Requests() const;
    // Output reports the mouse received (framed commands and blocks).
    int WriteCount() const;
    // Every write call, including those that failed before reaching the mouse.
    int WriteAttempts() const;
    void ClearRequests();
    // Whether requests are kept for Requests() (on by default; long benchmarks turn it off).
    void RecordRequests(bool record);

    // Flash contents from and to a state file; false with a reason when it cannot be used.
    bool LoadState(const std::string& path, std::string& error);
    bool SaveState(const std::string& path, std::string& error) const;

    // --- Host side, used by VirtualMouseBackend; same conventions as HidDevice.
    std::vector<HidInterfaceInfo> Enumerate() const;
    int OpenHandle(const std::string& path, HidOpenError* error);  // 0 on failure
    void CloseHandle(int handle);
    int Write(int handle, const std::uint8_t* data, std::size_t length);
    int Read(int handle, std::uint8_t* data, std::size_t length, int timeoutMs);
    // Ends the handle's waiting Read (or its next one) at once with 0.
    void InterruptRead(int handle);
    int SendFeatureReport(int handle, const std::uint8_t* data, std::size_t length);
    int GetFeatureReport(int handle, std::uint8_t* data, std::size_t length);
    std::string ManufacturerString(int handle) const;
    std::string ProductString(int handle) const;
    std::string ErrorText(int handle) const;
    int AddChangeListener(DeviceChangeSource::Callback callback);
    void RemoveChangeListener(int listener);

  private:
    struct Collection {
        std::uint16_t usagePage;
        std::uint16_t usage;
    };
    struct Node {
        int owner = 0;  // index of the interface it belongs to
        std::string path;
        int interfaceNumber = -1;
        bool commands = false;  // the vendor or receiver collection lives here
        std::vector<Collection> collections;
    };
    struct Interface {
        VirtualInterfaceConfig config;
        bool plugged = true;
        std::vector<int> nodes;
    };
    struct Pending {
        std::vector<std::uint8_t> bytes;
        Clock::Duration readyAt{};
    };
    struct Handle {
        int node = 0;
        bool dead = false;
        bool interrupted = false;  // the current or next Read ends at once
        std::deque<Pending> queue;
        std::string error;
    };
    using Events = std::vector<std::pair<DeviceChangeEvent, std::string>>;

    std::shared_ptr<Handle> HandleLocked(int handle) const;
    // Handles on the node that carries the mouse's own reports, or none.
    std::vector<std::shared_ptr<Handle>> CarrierHandlesLocked() const;
    void PushLocked(Handle& handle, std::vector<std::uint8_t> report, Clock::Duration readyAt);
    void NotifyLocked(const VirtualFirmware::Report& report);
    std::optional<VirtualFirmware::Report> RouteLocked(const Node& node,
                                                       const VirtualFirmware::Request& request);
    // Applies the reply faults; the report as it will be read, or empty when dropped.
    std::vector<std::uint8_t> ShapeReplyLocked(const VirtualFirmware::Report& reply);
    Events SetPluggedLocked(int index, bool plugged);
    void Fire(const Events& events);
    void LogLocked(VirtualRequest request);
    std::uint16_t ProductIdOf(const Interface& attachment) const;
    std::uint16_t VendorIdOf(const Interface& attachment) const;

    Clock& clock_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    VirtualFirmware firmware_;
    std::vector<Interface> interfaces_;
    std::vector<Node> nodes_;
    std::map<int, std::shared_ptr<Handle>> handles_;
    int nextHandle_ = 1;
    std::map<int, DeviceChangeSource::Callback> listeners_;
    int nextListener_ = 1;
    std::vector<VirtualRequest> requests_;

    int dropReplies_ = 0;
    int corruptReplies_ = 0;
    int oversizeReplies_ = 0;
    int failWrites_ = 0;
    int writeAttempts_ = 0;
    int unplugCountdown_ = 0;
    bool rejectFeatures_ = false;
    bool denyAccess_ = false;
    bool recordRequests_ = true;
    Clock::Duration latency_{};
};

}  // namespace quillon
