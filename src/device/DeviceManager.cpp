#include "device/DeviceManager.h"

#include <array>

#include "device/Channel.h"

namespace quillon {
namespace {

bool IsVendorCollection(const HidInterfaceInfo& info) {
    return info.usagePage == 0xFF01 && info.usage == 0x10;
}

bool IsReceiverCollection(const HidInterfaceInfo& info) {
    return info.usagePage == 0xFF0A && info.usage == 0x01;
}

// A Bluetooth LE mouse shows itself by its keyboard collection.
bool IsBluetoothKeyboard(const HidInterfaceInfo& info) {
    return info.bus == HidBus::Bluetooth && info.usagePage == 0x01 && info.usage == 0x06;
}

DeviceEntry MakeEntry(const HidInterfaceInfo& info, const SupportedInterface& supported) {
    DeviceEntry entry;
    entry.vendorId = info.vendorId;
    entry.productId = info.productId;
    entry.path = info.path;
    entry.releaseNumber = info.releaseNumber;
    entry.deviceType = supported.deviceType;
    entry.mode = supported.mode;
    entry.online = 1;
    return entry;
}

}  // namespace

DeviceManager::DeviceManager(HidBackend& backend, Clock& clock)
    : backend_(backend), clock_(clock) {}

DeviceManager::~DeviceManager() {
    CloseAll();
}

void DeviceManager::ClearAcceptList() {
    std::lock_guard lock(mutex_);
    acceptList_.clear();
}

void DeviceManager::AddSupported(int vendorId, int productId, int deviceType, int mode) {
    std::lock_guard lock(mutex_);
    acceptList_.push_back({vendorId, productId, deviceType, mode});
}

const SupportedInterface* DeviceManager::SupportedLocked(int vendorId, int productId) const {
    for (const SupportedInterface& row : acceptList_) {
        if (row.vendorId == vendorId && row.productId == productId) {
            return &row;
        }
    }
    return nullptr;
}

bool DeviceManager::IsSupported(int vendorId, int productId) const {
    std::lock_guard lock(mutex_);
    return SupportedLocked(vendorId, productId) != nullptr;
}

int DeviceManager::SupportedDeviceType(int vendorId, int productId) const {
    std::lock_guard lock(mutex_);
    const SupportedInterface* row = SupportedLocked(vendorId, productId);
    return row != nullptr ? row->deviceType : 0;
}

int DeviceManager::SupportedMode(int vendorId, int productId) const {
    std::lock_guard lock(mutex_);
    const SupportedInterface* row = SupportedLocked(vendorId, productId);
    return row != nullptr ? row->mode : 0;
}

void DeviceManager::SetDeviceType(int deviceType) {
    std::lock_guard lock(mutex_);
    deviceType_ = deviceType;
    active_ = nullptr;
}

int DeviceManager::DeviceType() const {
    std::lock_guard lock(mutex_);
    return deviceType_;
}

void DeviceManager::Rebuild(const std::vector<DeviceModelRecord>& modeList) {
    std::lock_guard lock(mutex_);
    familyModes_.clear();
    acceptList_.clear();
    for (const DeviceModelRecord& record : modeList) {
        if (record.deviceType == DeviceCatalogue::kServedDeviceType) {
            acceptList_.push_back(
                {record.vid, record.pid, DeviceCatalogue::kServedDeviceType, record.mode});
            familyModes_.push_back(record);
        }
    }
    CloseAllLocked();
    EnumerateLocked();
    ready_ = true;
}

std::vector<DeviceModelRecord> DeviceManager::FamilyModes() const {
    std::lock_guard lock(mutex_);
    return familyModes_;
}

void DeviceManager::EnumerateDevices() {
    std::lock_guard lock(mutex_);
    EnumerateLocked();
}

void DeviceManager::EnumerateLocked() {
    // Entries never outlive an enumeration, even for a caller that forgot to close them.
    entries_.clear();
    active_ = nullptr;
    denied_.clear();
    for (const HidInterfaceInfo& info : backend_.Enumerate()) {
        const SupportedInterface* supported = SupportedLocked(info.vendorId, info.productId);
        if (supported == nullptr) {
            continue;
        }
        if (IsBluetoothKeyboard(info)) {
            auto entry = std::make_unique<DeviceEntry>(MakeEntry(info, *supported));
            entry->mode = kBluetoothMode;
            entry->index = static_cast<int>(entries_.size());
            entries_.push_back(std::move(entry));
        }
        bool receiver = IsReceiverCollection(info);
        if (!IsVendorCollection(info) && !receiver) {
            continue;
        }
        // One node is listed once per collection: never open it twice into two entries.
        if (OpenedLocked(info.path)) {
            continue;
        }
        HidOpenError error = HidOpenError::None;
        std::unique_ptr<HidDevice> handle = backend_.Open(info.path, &error);
        if (!handle) {
            if (error == HidOpenError::PermissionDenied) {
                denied_.push_back({info.path, info.vendorId, info.productId});
            }
            continue;
        }
        auto entry = std::make_unique<DeviceEntry>(MakeEntry(info, *supported));
        entry->product = handle->ProductString();
        entry->manufacturer = handle->ManufacturerString();
        entry->handle = std::move(handle);
        entry->index = static_cast<int>(entries_.size());
        if (receiver && entry->mode != kWiredMode) {
            quillon::QueryReceiverStatus(*entry, clock_);
        }
        entries_.push_back(std::move(entry));
    }
}

void DeviceManager::CloseAll() {
    std::lock_guard lock(mutex_);
    CloseAllLocked();
}

void DeviceManager::CloseAllLocked() {
    ready_ = false;
    active_ = nullptr;
    entries_.clear();
    held_.clear();
}

bool DeviceManager::IsReady() const {
    std::lock_guard lock(mutex_);
    return ready_;
}

bool DeviceManager::CountsLocked(const DeviceEntry& entry) const {
    return deviceType_ == 0 || entry.deviceType == deviceType_;
}

bool DeviceManager::Collect(std::vector<DeviceEntryInfo>& out) const {
    std::lock_guard lock(mutex_);
    if (entries_.empty()) {
        return false;
    }
    for (const auto& entry : entries_) {
        if (CountsLocked(*entry)) {
            out.push_back(*entry);
        }
    }
    return true;
}

std::vector<DeviceEntryInfo> DeviceManager::Entries() const {
    std::lock_guard lock(mutex_);
    std::vector<DeviceEntryInfo> result;
    for (const auto& entry : entries_) {
        result.push_back(*entry);
    }
    return result;
}

std::vector<DeniedInterface> DeviceManager::DeniedInterfaces() const {
    std::lock_guard lock(mutex_);
    return denied_;
}

DeviceEntry* DeviceManager::ChooseLocked() const {
    auto first = [this](int mode) -> DeviceEntry* {
        for (const auto& entry : entries_) {
            if (CountsLocked(*entry) && entry->mode == mode) {
                return entry.get();
            }
        }
        return nullptr;
    };
    if (DeviceEntry* wired = first(kWiredMode)) {
        return wired;
    }
    if (DeviceEntry* bluetooth = first(kBluetoothMode)) {
        return bluetooth;
    }
    // Only the first receiver of each kind counts, online or not.
    if (DeviceEntry* receiver = first(kReceiverMode); receiver != nullptr && receiver->online) {
        return receiver;
    }
    if (DeviceEntry* receiver = first(kSecondReceiverMode);
        receiver != nullptr && receiver->online) {
        return receiver;
    }
    return nullptr;
}

int DeviceManager::ConnectionMode() const {
    std::lock_guard lock(mutex_);
    const DeviceEntry* chosen = ChooseLocked();
    return chosen != nullptr ? chosen->mode : kNoConnection;
}

HidDevice* DeviceManager::ActiveInterface() {
    std::lock_guard lock(mutex_);
    if (active_ == nullptr) {
        const DeviceEntry* chosen = ChooseLocked();
        active_ = chosen != nullptr ? chosen->handle.get() : nullptr;
        ++linkGeneration_;
    }
    return active_;
}

void DeviceManager::ClearActiveInterface() {
    std::lock_guard lock(mutex_);
    active_ = nullptr;
}

int DeviceManager::Find(int vendorId, int productId, int mode) const {
    std::lock_guard lock(mutex_);
    for (const auto& entry : entries_) {
        if (entry->vendorId == vendorId && entry->productId == productId && entry->mode == mode) {
            return entry->index;
        }
    }
    return -1;
}

const DeviceEntry* DeviceManager::FindPathLocked(const std::string& path) const {
    for (const auto& entry : entries_) {
        if (entry->path == path) {
            return entry.get();
        }
    }
    return nullptr;
}

bool DeviceManager::OpenedLocked(const std::string& path) const {
    for (const auto& entry : entries_) {
        if (entry->path == path && entry->handle) {
            return true;
        }
    }
    return false;
}

int DeviceManager::FindPath(const std::string& path) const {
    std::lock_guard lock(mutex_);
    const DeviceEntry* entry = FindPathLocked(path);
    return entry != nullptr ? entry->index : -1;
}

bool DeviceManager::SendCommand(CommandFrame& frame) {
    HidDevice* device = IsReady() ? ActiveInterface() : nullptr;
    return device != nullptr &&
           SendCommandOn(*device, frame, clock_, [this](const std::uint8_t* bytes, int count) {
               HoldNotification(bytes, count);
           });
}

bool DeviceManager::LockTransfers(std::chrono::milliseconds wait) {
    {
        std::lock_guard lock(mutex_);
        if (lockDepth_ > 0) {
            ++lockDepth_;
            return true;
        }
    }
    HidDevice* active = ActiveInterface();
    std::string key;
    {
        std::lock_guard lock(mutex_);
        for (const auto& entry : entries_) {
            if (active != nullptr && entry->handle.get() == active) {
                key = backend_.LockKey(entry->path);
            }
        }
    }
    if (!key.empty()) {
        lock_ = std::make_unique<DeviceLock>(key);
        if (!lock_->Acquire(wait)) {
            return false;
        }
        if (lock_->FollowedAnother()) {
            std::lock_guard lock(mutex_);
            ++linkGeneration_;
        }
        DrainForeignReplies(*active);
    }
    std::lock_guard lock(mutex_);
    ++lockDepth_;
    return true;
}

// Every open handle sees every report, so the replies another process got while it held the
// mouse wait in this handle's queue; the first of them would pass for the reply to this
// process's next command. They go before any transfer; notifications among them are kept.
void DeviceManager::DrainForeignReplies(HidDevice& device) {
    std::array<std::uint8_t, CommandFrame::kSize> report{};
    for (int count = device.Read(report.data(), report.size(), 0); count > 0;
         count = device.Read(report.data(), report.size(), 0)) {
        if (IsNotificationReport(report.data(), count)) {
            HoldNotification(report.data(), count);
        }
    }
}

void DeviceManager::HoldNotification(const std::uint8_t* bytes, int count) {
    std::lock_guard lock(mutex_);
    if (held_.size() == kHeldNotificationLimit) {
        held_.pop_front();
    }
    held_.emplace_back(bytes, bytes + count);
}

void DeviceManager::UnlockTransfers() {
    std::lock_guard lock(mutex_);
    if (lockDepth_ > 0 && --lockDepth_ == 0 && lock_) {
        lock_->Release();
    }
}

std::uint64_t DeviceManager::LinkGeneration() const {
    std::lock_guard lock(mutex_);
    return linkGeneration_;
}

std::string DeviceManager::TransferLockHolder() const {
    return lock_ ? lock_->Holder() : std::string();
}

bool DeviceManager::TakeHeldNotification(std::vector<std::uint8_t>& report) {
    std::lock_guard lock(mutex_);
    if (held_.empty()) {
        return false;
    }
    report = std::move(held_.front());
    held_.pop_front();
    return true;
}

bool DeviceManager::ReadFeatureVersion(std::string& text) {
    text = "0.0.0";
    {
        std::lock_guard lock(mutex_);
        if (!ready_ || entries_.empty()) {
            return false;
        }
    }
    HidDevice* device = ActiveInterface();
    return device != nullptr && ReadFeatureVersionOn(*device, text, clock_);
}

int DeviceManager::QueryReceiverStatus(int index) {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int>(entries_.size())) {
        return 0;
    }
    return quillon::QueryReceiverStatus(*entries_[static_cast<std::size_t>(index)], clock_);
}

}  // namespace quillon
