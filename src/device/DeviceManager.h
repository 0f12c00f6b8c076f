#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/Clock.h"
#include "device/CommandFrame.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceEntry.h"
#include "device/DeviceLock.h"
#include "device/HidBackend.h"

namespace quillon {

// A supported interface that enumeration listed but that could not be opened for lack of
// permission (no udev rule installed).
struct DeniedInterface {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

// The supported mice among the machine's HID interfaces: the accept list built from the
// catalogue, one entry per usable interface in enumeration order, and the choice of the active
// interface (wired, then Bluetooth, then receiver). One lock makes a rebuild and the window
// thread's readers exclusive; transfers do not hold it and run on one thread at a time.
class DeviceManager {
  public:
    explicit DeviceManager(HidBackend& backend, Clock& clock = RealClock());
    ~DeviceManager();
    DeviceManager(const DeviceManager&) = delete;
    DeviceManager& operator=(const DeviceManager&) = delete;

    HidBackend& Backend() { return backend_; }
    Clock& GetClock() { return clock_; }

    // Accept list. Lookups take the first row of the pair: device type and mode are 0 when absent.
    void ClearAcceptList();
    void AddSupported(int vendorId, int productId, int deviceType, int mode);
    bool IsSupported(int vendorId, int productId) const;
    int SupportedDeviceType(int vendorId, int productId) const;
    int SupportedMode(int vendorId, int productId) const;

    // The type whose entries count (0: every entry). 101 once the catalogue is loaded.
    void SetDeviceType(int deviceType);
    int DeviceType() const;

    // Rebuilds the family mode list (the records of the served device type) and the accept list
    // from the catalogue's mode list, closes everything, enumerates and becomes ready.
    void Rebuild(const std::vector<DeviceModelRecord>& modeList);
    std::vector<DeviceModelRecord> FamilyModes() const;

    // Replaces the entry list with what enumeration offers now.
    void EnumerateDevices();
    // Not ready any more; closes and forgets every entry.
    void CloseAll();
    bool IsReady() const;

    // False when there are no entries; otherwise true with copies of the entries of the device
    // type appended to `out`.
    bool Collect(std::vector<DeviceEntryInfo>& out) const;
    // Every entry, whatever its type.
    std::vector<DeviceEntryInfo> Entries() const;
    // Supported interfaces the last enumeration could not open for lack of permission.
    std::vector<DeniedInterface> DeniedInterfaces() const;

    // 0, 1, 2, 3 or -1, chosen afresh (never from the cache): safe from the window thread.
    int ConnectionMode() const;
    // The active interface's handle, cached until cleared or rebuilt; null when none answers.
    HidDevice* ActiveInterface();
    void ClearActiveInterface();
    // Index of the first entry with these values, or -1.
    int Find(int vendorId, int productId, int mode) const;
    // Index of the first entry enumerated at `path`, or -1.
    int FindPath(const std::string& path) const;

    // The channel on the active interface. Both fail at once, without I/O, when the manager is
    // not ready or no interface is active.
    bool SendCommand(CommandFrame& frame);
    // Takes the oldest notification that SendCommand read while it waited for a reply; false
    // when none is held. The notification poll reads these before the device, so that a change
    // made on the mouse during a task is not lost. Emptied whenever the entries are closed.
    bool TakeHeldNotification(std::vector<std::uint8_t>& report);
    // Keeps other processes off the active interface (DeviceLock) until as many Unlock calls;
    // nested calls in this process count. True at once when nothing is active or the backend
    // needs no lock. False when another process still held it after `wait`.
    bool LockTransfers(std::chrono::milliseconds wait);
    void UnlockTransfers();
    // Who holds the lock that the last failed LockTransfers waited for.
    std::string TransferLockHolder() const;
    // Moves on whenever what this process sent no longer tells what the mouse holds: an
    // interface was chosen afresh (after an enumeration, a close or a clear, even the same one)
    // or LockTransfers found that another process had held the mouse since this one did.
    std::uint64_t LinkGeneration() const;

    // Notifications held beyond this many push the oldest out.
    static constexpr std::size_t kHeldNotificationLimit = 64;
    // "0.0.0" unless the device supplies a version; false when refused.
    bool ReadFeatureVersion(std::string& text);
    // Asks the receiver of entry `index` whether its mouse answers; the new online flag, or
    // 0 when there is no such entry.
    int QueryReceiverStatus(int index);

  private:
    const SupportedInterface* SupportedLocked(int vendorId, int productId) const;
    bool CountsLocked(const DeviceEntry& entry) const;
    const DeviceEntry* FindPathLocked(const std::string& path) const;
    // Whether an entry already holds a handle on `path`.
    bool OpenedLocked(const std::string& path) const;
    // The entry chosen by the preference order, or null.
    DeviceEntry* ChooseLocked() const;
    void CloseAllLocked();
    void DrainForeignReplies(HidDevice& device);
    void HoldNotification(const std::uint8_t* bytes, int count);
    void EnumerateLocked();

    HidBackend& backend_;
    Clock& clock_;
    mutable std::mutex mutex_;
    bool ready_ = false;
    int deviceType_ = 0;
    std::vector<std::unique_ptr<DeviceEntry>> entries_;
    std::vector<SupportedInterface> acceptList_;
    std::vector<DeviceModelRecord> familyModes_;
    std::vector<DeniedInterface> denied_;
    HidDevice* active_ = nullptr;
    std::deque<std::vector<std::uint8_t>> held_;
    std::unique_ptr<DeviceLock> lock_;  // the lock last asked for
    int lockDepth_ = 0;
    std::uint64_t linkGeneration_ = 0;
};

}  // namespace quillon
