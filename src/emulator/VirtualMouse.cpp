#include "emulator/VirtualMouse.h"

#include <algorithm>
#include <chrono>

#include "emulator/VirtualMouseStateFile.h"

namespace quillon {
namespace {

constexpr std::uint16_t kReleaseNumber = 0x0104;
constexpr std::uint8_t kVersionReportId = 0x51;
constexpr std::size_t kOutputReportSize = 65;
// hidapi's "wait for ever" (-1) as the longest wait the model makes.
constexpr std::chrono::hours kForever{1};

bool IsFramedCommand(const VirtualFirmware::Request& request) {
    return request[1] == 0x55;
}

}  // namespace

VirtualMouse::VirtualMouse(Clock& clock) : clock_(clock) {}

// ---------------------------------------------------------------------------------------------
// Attachment

int VirtualMouse::Connect(const VirtualInterfaceConfig& config) {
    Events events;
    int index = 0;
    {
        std::lock_guard lock(mutex_);
        index = static_cast<int>(interfaces_.size());
        Interface attachment;
        attachment.config = config;
        auto addNode = [&](int interfaceNumber, bool commands,
                           std::vector<Collection> collections) {
            Node node;
            node.owner = index;
            node.path = "virtual/hidraw" + std::to_string(nodes_.size());
            node.interfaceNumber = interfaceNumber;
            node.commands = commands;
            node.collections = std::move(collections);
            attachment.nodes.push_back(static_cast<int>(nodes_.size()));
            nodes_.push_back(std::move(node));
        };
        // The node layout of the real mouse: a boot mouse interface, and a second interface
        // whose keyboard, consumer and vendor collections share one node.
        switch (config.link) {
            case VirtualLink::Wired:
                addNode(0, false, {{0x01, 0x02}});
                addNode(1, true, {{0x01, 0x06}, {0x0C, 0x01}, {0xFF01, 0x10}});
                break;
            case VirtualLink::Receiver:
                addNode(0, false, {{0x01, 0x02}});
                addNode(1, true, {{0x01, 0x06}, {0x0C, 0x01}, {0xFF0A, 0x01}});
                break;
            case VirtualLink::Bluetooth:
                addNode(-1, false, {{0x01, 0x02}, {0x01, 0x06}, {0x0C, 0x01}});
                break;
        }
        interfaces_.push_back(std::move(attachment));
        for (int node : interfaces_.back().nodes) {
            events.emplace_back(DeviceChangeEvent::Arrival, nodes_[node].path);
        }
    }
    Fire(events);
    return index;
}

int VirtualMouse::InterfaceCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(interfaces_.size());
}

VirtualMouse::Events VirtualMouse::SetPluggedLocked(int index, bool plugged) {
    Events events;
    if (index < 0 || index >= static_cast<int>(interfaces_.size()) ||
        interfaces_[index].plugged == plugged) {
        return events;
    }
    Interface& attachment = interfaces_[index];
    attachment.plugged = plugged;
    for (int node : attachment.nodes) {
        events.emplace_back(plugged ? DeviceChangeEvent::Arrival : DeviceChangeEvent::Removal,
                            nodes_[node].path);
    }
    if (!plugged) {
        for (auto& [id, handle] : handles_) {
            if (nodes_[handle->node].owner == index) {
                handle->dead = true;
            }
        }
        changed_.notify_all();
    }
    return events;
}

void VirtualMouse::Unplug(int index) {
    Events events;
    {
        std::lock_guard lock(mutex_);
        events = SetPluggedLocked(index, false);
    }
    Fire(events);
}

void VirtualMouse::Plug(int index) {
    Events events;
    {
        std::lock_guard lock(mutex_);
        events = SetPluggedLocked(index, true);
    }
    Fire(events);
}

void VirtualMouse::UnplugAll() {
    Events events;
    {
        std::lock_guard lock(mutex_);
        for (int i = 0; i < static_cast<int>(interfaces_.size()); ++i) {
            Events more = SetPluggedLocked(i, false);
            events.insert(events.end(), more.begin(), more.end());
        }
    }
    Fire(events);
}

void VirtualMouse::SetMouseOnline(int index, bool online) {
    std::lock_guard lock(mutex_);
    if (index >= 0 && index < static_cast<int>(interfaces_.size())) {
        interfaces_[index].config.mouseOnline = online;
    }
}

std::string VirtualMouse::CommandPath(int index) const {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int>(interfaces_.size())) {
        return {};
    }
    for (int node : interfaces_[index].nodes) {
        if (nodes_[node].commands) {
            return nodes_[node].path;
        }
    }
    return {};
}

std::uint16_t VirtualMouse::VendorIdOf(const Interface& attachment) const {
    return attachment.config.vendorId != 0 ? attachment.config.vendorId : kVendorId;
}

std::uint16_t VirtualMouse::ProductIdOf(const Interface& attachment) const {
    if (attachment.config.productId != 0) {
        return attachment.config.productId;
    }
    switch (attachment.config.link) {
        case VirtualLink::Wired:
            return kWiredProductId;
        case VirtualLink::Receiver:
            return kReceiverProductId;
        case VirtualLink::Bluetooth:
            return kBluetoothProductId;
    }
    return 0;
}

std::vector<DeviceModelRecord> VirtualMouse::CatalogueModes() const {
    std::lock_guard lock(mutex_);
    std::vector<DeviceModelRecord> modes;
    for (const Interface& attachment : interfaces_) {
        DeviceModelRecord record;
        record.name = "Virtual Quillon";
        record.deviceType = DeviceCatalogue::kServedDeviceType;
        record.deviceAttr = "virtual";
        record.mode = attachment.config.link == VirtualLink::Wired      ? 0
                      : attachment.config.link == VirtualLink::Receiver ? 1
                                                                        : 2;
        record.vid = VendorIdOf(attachment);
        record.pid = ProductIdOf(attachment);
        bool known = std::any_of(modes.begin(), modes.end(), [&](const DeviceModelRecord& m) {
            return m.vid == record.vid && m.pid == record.pid;
        });
        if (!known) {
            modes.push_back(record);
        }
    }
    return modes;
}

// ---------------------------------------------------------------------------------------------
// Reports

std::shared_ptr<VirtualMouse::Handle> VirtualMouse::HandleLocked(int handle) const {
    auto it = handles_.find(handle);
    return it != handles_.end() ? it->second : nullptr;
}

std::vector<std::shared_ptr<VirtualMouse::Handle>> VirtualMouse::CarrierHandlesLocked() const {
    // The mouse reports over the cable when it is plugged, else through an answering receiver.
    int carrier = -1;
    for (VirtualLink link : {VirtualLink::Wired, VirtualLink::Receiver}) {
        for (std::size_t i = 0; i < interfaces_.size() && carrier < 0; ++i) {
            const Interface& attachment = interfaces_[i];
            if (attachment.plugged && attachment.config.link == link &&
                (link == VirtualLink::Wired || attachment.config.mouseOnline)) {
                carrier = static_cast<int>(i);
            }
        }
    }
    std::vector<std::shared_ptr<Handle>> result;
    for (const auto& [id, handle] : handles_) {
        const Node& node = nodes_[handle->node];
        if (node.owner == carrier && node.commands && !handle->dead) {
            result.push_back(handle);
        }
    }
    return result;
}

void VirtualMouse::PushLocked(Handle& handle, std::vector<std::uint8_t> report,
                              Clock::Duration readyAt) {
    if (handle.queue.size() >= kQueueLimit) {
        return;
    }
    handle.queue.push_back({std::move(report), readyAt});
    changed_.notify_all();
}

void VirtualMouse::NotifyLocked(const VirtualFirmware::Report& report) {
    const Clock::Duration now = clock_.Now();
    for (const auto& handle : CarrierHandlesLocked()) {
        PushLocked(*handle, {report.begin(), report.end()}, now);
    }
}

std::optional<VirtualFirmware::Report> VirtualMouse::RouteLocked(
    const Node& node, const VirtualFirmware::Request& request) {
    if (!node.commands) {
        return std::nullopt;
    }
    const Interface& attachment = interfaces_[node.owner];
    if (attachment.config.link == VirtualLink::Receiver) {
        if (!IsFramedCommand(request)) {
            return VirtualFirmware::AnswerReceiverBlock(request, attachment.config.mouseOnline);
        }
        if (!attachment.config.mouseOnline) {
            return std::nullopt;
        }
    }
    return firmware_.Answer(request);
}

std::vector<std::uint8_t> VirtualMouse::ShapeReplyLocked(const VirtualFirmware::Report& reply) {
    if (dropReplies_ > 0) {
        --dropReplies_;
        return {};
    }
    std::vector<std::uint8_t> bytes(reply.begin(), reply.end());
    if (corruptReplies_ > 0) {
        --corruptReplies_;
        bytes[0] = static_cast<std::uint8_t>(~bytes[0]);
    }
    if (oversizeReplies_ > 0) {
        --oversizeReplies_;
        // A numbered report: hidraw hands over its id byte too.
        bytes.insert(bytes.begin(), 0x01);
    }
    return bytes;
}

void VirtualMouse::LogLocked(VirtualRequest request) {
    if (recordRequests_) {
        requests_.push_back(std::move(request));
    }
}

void VirtualMouse::Fire(const Events& events) {
    if (events.empty()) {
        return;
    }
    std::vector<DeviceChangeSource::Callback> callbacks;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [id, callback] : listeners_) {
            callbacks.push_back(callback);
        }
    }
    for (const auto& [event, path] : events) {
        for (const auto& callback : callbacks) {
            callback(event, path);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// User actions

void VirtualMouse::PressDpiButton() {
    std::lock_guard lock(mutex_);
    NotifyLocked(firmware_.CycleStage());
}

void VirtualMouse::PressLightButton() {
    std::lock_guard lock(mutex_);
    NotifyLocked(firmware_.CycleLightMode());
}

void VirtualMouse::SetBattery(std::uint8_t level, std::uint8_t chargeState) {
    std::lock_guard lock(mutex_);
    firmware_.State().batteryLevel = level;
    firmware_.State().chargeState = chargeState;
    NotifyLocked(VirtualFirmware::Notification(0xD0, level, chargeState));
}

void VirtualMouse::PressEmojiButton(std::uint8_t index, std::uint8_t type) {
    SendNotification(type, index, 0);
}

void VirtualMouse::SendNotification(std::uint8_t type, std::uint8_t first, std::uint8_t second) {
    std::lock_guard lock(mutex_);
    NotifyLocked(VirtualFirmware::Notification(type, first, second));
}

// ---------------------------------------------------------------------------------------------
// Faults

void VirtualMouse::DropReplies(int count) {
    std::lock_guard lock(mutex_);
    dropReplies_ = count;
}

void VirtualMouse::CorruptReplies(int count) {
    std::lock_guard lock(mutex_);
    corruptReplies_ = count;
}

void VirtualMouse::OversizeReplies(int count) {
    std::lock_guard lock(mutex_);
    oversizeReplies_ = count;
}

void VirtualMouse::FailWrites(int count) {
    std::lock_guard lock(mutex_);
    failWrites_ = count;
}

void VirtualMouse::RejectFeatureReports(bool reject) {
    std::lock_guard lock(mutex_);
    rejectFeatures_ = reject;
}

void VirtualMouse::DenyAccess(bool deny) {
    std::lock_guard lock(mutex_);
    denyAccess_ = deny;
}

void VirtualMouse::UnplugOnRequest(int count) {
    std::lock_guard lock(mutex_);
    unplugCountdown_ = count;
}

void VirtualMouse::InjectInputReport(const std::vector<std::uint8_t>& report) {
    std::lock_guard lock(mutex_);
    const Clock::Duration now = clock_.Now();
    for (const auto& [id, handle] : handles_) {
        if (nodes_[handle->node].commands && !handle->dead) {
            PushLocked(*handle, report, now);
        }
    }
}

void VirtualMouse::SetReplyLatency(Clock::Duration latency) {
    std::lock_guard lock(mutex_);
    latency_ = latency;
}

// ---------------------------------------------------------------------------------------------
// State

VirtualFirmwareState VirtualMouse::State() const {
    std::lock_guard lock(mutex_);
    return firmware_.State();
}

void VirtualMouse::SetState(const VirtualFirmwareState& state) {
    std::lock_guard lock(mutex_);
    firmware_.State() = state;
}

VirtualPerformance VirtualMouse::Performance(int profile) const {
    std::lock_guard lock(mutex_);
    return VirtualPerformance::Decode(firmware_.State().performance.at(profile));
}

void VirtualMouse::SetPerformance(int profile, const VirtualPerformance& performance) {
    std::lock_guard lock(mutex_);
    performance.EncodeInto(firmware_.State().performance.at(profile));
}

VirtualMouse::ButtonTable VirtualMouse::Buttons(int profile) const {
    std::lock_guard lock(mutex_);
    return firmware_.State().buttons.at(profile);
}

VirtualMouse::MacroImage VirtualMouse::MacroImageBytes() const {
    std::lock_guard lock(mutex_);
    return firmware_.State().macroImage;
}

int VirtualMouse::MacroCommits() const {
    std::lock_guard lock(mutex_);
    return firmware_.MacroCommits();
}

int VirtualMouse::CurrentProfile() const {
    std::lock_guard lock(mutex_);
    return firmware_.State().currentProfile;
}

int VirtualMouse::CurrentStage() const {
    return Performance(CurrentProfile()).stage;
}

int VirtualMouse::ReportRate() const {
    return Performance(CurrentProfile()).reportRate;
}

int VirtualMouse::LightMode() const {
    return Performance(CurrentProfile()).lightMode;
}

int VirtualMouse::BatteryLevel() const {
    std::lock_guard lock(mutex_);
    return firmware_.State().batteryLevel;
}

int VirtualMouse::ChargeState() const {
    std::lock_guard lock(mutex_);
    return firmware_.State().chargeState;
}

std::vector<VirtualRequest> VirtualMouse::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

int VirtualMouse::WriteCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count_if(requests_.begin(), requests_.end(), [](const auto& r) {
        return r.kind == VirtualRequest::Kind::Output;
    }));
}

void VirtualMouse::RecordRequests(bool record) {
    std::lock_guard lock(mutex_);
    recordRequests_ = record;
}

int VirtualMouse::WriteAttempts() const {
    std::lock_guard lock(mutex_);
    return writeAttempts_;
}

void VirtualMouse::ClearRequests() {
    std::lock_guard lock(mutex_);
    requests_.clear();
    writeAttempts_ = 0;
}

bool VirtualMouse::LoadState(const std::string& path, std::string& error) {
    VirtualFirmwareState state;
    if (!LoadVirtualMouseState(path, state, error)) {
        return false;
    }
    SetState(state);
    return true;
}

bool VirtualMouse::SaveState(const std::string& path, std::string& error) const {
    return SaveVirtualMouseState(State(), path, error);
}

// ---------------------------------------------------------------------------------------------
// Host side

std::vector<HidInterfaceInfo> VirtualMouse::Enumerate() const {
    std::lock_guard lock(mutex_);
    std::vector<HidInterfaceInfo> result;
    for (const Interface& attachment : interfaces_) {
        if (!attachment.plugged) {
            continue;
        }
        for (int index : attachment.nodes) {
            const Node& node = nodes_[index];
            for (const Collection& collection : node.collections) {
                HidInterfaceInfo info;
                info.path = node.path;
                info.vendorId = VendorIdOf(attachment);
                info.productId = ProductIdOf(attachment);
                info.releaseNumber = kReleaseNumber;
                info.usagePage = collection.usagePage;
                info.usage = collection.usage;
                info.interfaceNumber = node.interfaceNumber;
                info.bus = attachment.config.link == VirtualLink::Bluetooth ? HidBus::Bluetooth
                                                                            : HidBus::Usb;
                result.push_back(std::move(info));
            }
        }
    }
    return result;
}

int VirtualMouse::OpenHandle(const std::string& path, HidOpenError* error) {
    std::lock_guard lock(mutex_);
    auto fail = [error](HidOpenError why) {
        if (error != nullptr) {
            *error = why;
        }
        return 0;
    };
    auto node =
        std::find_if(nodes_.begin(), nodes_.end(), [&](const Node& n) { return n.path == path; });
    if (node == nodes_.end() || !interfaces_[node->owner].plugged) {
        return fail(HidOpenError::NotFound);
    }
    if (denyAccess_) {
        return fail(HidOpenError::PermissionDenied);
    }
    auto handle = std::make_shared<Handle>();
    handle->node = static_cast<int>(node - nodes_.begin());
    const int id = nextHandle_++;
    handles_[id] = std::move(handle);
    if (error != nullptr) {
        *error = HidOpenError::None;
    }
    return id;
}

void VirtualMouse::CloseHandle(int handle) {
    std::lock_guard lock(mutex_);
    handles_.erase(handle);
}

int VirtualMouse::Write(int handleId, const std::uint8_t* data, std::size_t length) {
    Events events;
    {
        std::lock_guard lock(mutex_);
        ++writeAttempts_;
        std::shared_ptr<Handle> handle = HandleLocked(handleId);
        if (!handle || handle->dead) {
            if (handle) {
                handle->error = "the device has been disconnected";
            }
            return -1;
        }
        if (failWrites_ > 0) {
            --failWrites_;
            handle->error = "write failed";
            return -1;
        }
        // The mouse has no numbered output reports: report id 0 and up to 64 bytes.
        if (length < 2 || length > kOutputReportSize || data[0] != 0) {
            handle->error = "invalid output report";
            return -1;
        }
        VirtualFirmware::Request request{};
        std::copy(data, data + length, request.begin());
        const Node& node = nodes_[handle->node];
        VirtualRequest logged;
        logged.kind = VirtualRequest::Kind::Output;
        logged.path = node.path;
        logged.bytes.assign(data, data + length);
        logged.time = clock_.Now();

        if (unplugCountdown_ > 0 && --unplugCountdown_ == 0) {
            LogLocked(std::move(logged));
            for (int i = 0; i < static_cast<int>(interfaces_.size()); ++i) {
                Events more = SetPluggedLocked(i, false);
                events.insert(events.end(), more.begin(), more.end());
            }
        } else {
            std::optional<VirtualFirmware::Report> reply = RouteLocked(node, request);
            if (reply) {
                std::vector<std::uint8_t> bytes = ShapeReplyLocked(*reply);
                if (!bytes.empty()) {
                    PushLocked(*handle, std::move(bytes), logged.time + latency_);
                    logged.answered = true;
                }
            }
            LogLocked(std::move(logged));
        }
    }
    Fire(events);
    return static_cast<int>(length);
}

int VirtualMouse::Read(int handleId, std::uint8_t* data, std::size_t length, int timeoutMs) {
    std::unique_lock lock(mutex_);
    std::shared_ptr<Handle> handle = HandleLocked(handleId);
    if (!handle) {
        return -1;
    }
    const Clock::Duration wait = timeoutMs < 0
                                     ? Clock::Duration(kForever)
                                     : Clock::Duration(std::chrono::milliseconds(timeoutMs));
    const Clock::Duration deadline = clock_.Now() + wait;
    auto readable = [&] {
        return handle->dead || handle->interrupted ||
               (!handle->queue.empty() && handle->queue.front().readyAt <= clock_.Now());
    };
    for (;;) {
        if (handle->dead) {
            handle->error = "the device has been disconnected";
            return -1;
        }
        const Clock::Duration now = clock_.Now();
        if (!handle->queue.empty() && handle->queue.front().readyAt <= now) {
            std::vector<std::uint8_t> report = std::move(handle->queue.front().bytes);
            handle->queue.pop_front();
            const std::size_t count = std::min(length, report.size());
            std::copy_n(report.begin(), count, data);
            return static_cast<int>(count);
        }
        if (handle->interrupted) {
            handle->interrupted = false;
            return 0;
        }
        if (now >= deadline) {
            return 0;
        }
        Clock::Duration wake = deadline;
        if (!handle->queue.empty()) {
            wake = std::min(wake, handle->queue.front().readyAt);
        }
        clock_.WaitFor(lock, changed_, wake - now, readable);
    }
}

void VirtualMouse::InterruptRead(int handleId) {
    std::lock_guard lock(mutex_);
    if (std::shared_ptr<Handle> handle = HandleLocked(handleId)) {
        handle->interrupted = true;
        changed_.notify_all();
    }
}

int VirtualMouse::SendFeatureReport(int handleId, const std::uint8_t* data, std::size_t length) {
    std::lock_guard lock(mutex_);
    std::shared_ptr<Handle> handle = HandleLocked(handleId);
    if (!handle || handle->dead || length < 1) {
        return -1;
    }
    const Node& node = nodes_[handle->node];
    VirtualRequest logged{
        VirtualRequest::Kind::SetFeature, node.path, {data, data + length}, false, clock_.Now()};
    const Interface& attachment = interfaces_[node.owner];
    const bool reachable = node.commands && (attachment.config.link != VirtualLink::Receiver ||
                                             attachment.config.mouseOnline);
    logged.answered = reachable && !rejectFeatures_ && data[0] == kVersionReportId;
    LogLocked(logged);
    if (!logged.answered) {
        handle->error = "feature report rejected";
        return -1;
    }
    return static_cast<int>(length);
}

int VirtualMouse::GetFeatureReport(int handleId, std::uint8_t* data, std::size_t length) {
    std::lock_guard lock(mutex_);
    std::shared_ptr<Handle> handle = HandleLocked(handleId);
    if (!handle || handle->dead || length < 1) {
        return -1;
    }
    const Node& node = nodes_[handle->node];
    VirtualRequest logged{
        VirtualRequest::Kind::GetFeature, node.path, {data, data + 1}, false, clock_.Now()};
    const Interface& attachment = interfaces_[node.owner];
    const bool reachable = node.commands && (attachment.config.link != VirtualLink::Receiver ||
                                             attachment.config.mouseOnline);
    logged.answered = reachable && !rejectFeatures_ && data[0] == kVersionReportId;
    LogLocked(logged);
    if (!logged.answered) {
        handle->error = "feature report rejected";
        return -1;
    }
    const auto report = firmware_.VersionFeatureReport();
    const std::size_t count = std::min(length, report.size());
    std::copy_n(report.begin(), count, data);
    return static_cast<int>(count);
}

std::string VirtualMouse::ManufacturerString(int handleId) const {
    std::lock_guard lock(mutex_);
    std::shared_ptr<Handle> handle = HandleLocked(handleId);
    if (!handle) {
        return {};
    }
    const Interface& attachment = interfaces_[nodes_[handle->node].owner];
    return attachment.config.link == VirtualLink::Bluetooth ? "" : "Quillon";
}

std::string VirtualMouse::ProductString(int handleId) const {
    std::lock_guard lock(mutex_);
    std::shared_ptr<Handle> handle = HandleLocked(handleId);
    if (!handle) {
        return {};
    }
    switch (interfaces_[nodes_[handle->node].owner].config.link) {
        case VirtualLink::Wired:
            return "Quillon Q1 (virtual)";
        case VirtualLink::Receiver:
            return "Quillon 2.4G Receiver (virtual)";
        case VirtualLink::Bluetooth:
            return "";
    }
    return {};
}

std::string VirtualMouse::ErrorText(int handleId) const {
    std::lock_guard lock(mutex_);
    std::shared_ptr<Handle> handle = HandleLocked(handleId);
    return handle ? handle->error : std::string("no such handle");
}

int VirtualMouse::AddChangeListener(DeviceChangeSource::Callback callback) {
    std::lock_guard lock(mutex_);
    const int id = nextListener_++;
    listeners_[id] = std::move(callback);
    return id;
}

void VirtualMouse::RemoveChangeListener(int listener) {
    std::lock_guard lock(mutex_);
    listeners_.erase(listener);
}

}  // namespace quillon
