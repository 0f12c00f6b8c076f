#pragma once

#include <chrono>
#include <string>

namespace quillon {

// Keeps other processes off one mouse: every open handle of a hidraw node sees every input
// report, so two processes transferring at once would take each other's replies. An flock on
// a file in the runtime folder named after the device's key; the holder writes its process id
// and name into the file so that a process kept waiting can say who has the mouse. Not
// recursive: one holder per process (the device manager counts nested uses).
class DeviceLock {
  public:
    explicit DeviceLock(std::string key);
    ~DeviceLock();
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

    // Tries until `wait` has passed; true once held.
    bool Acquire(std::chrono::milliseconds wait);
    void Release();
    bool Held() const { return fd_ >= 0; }
    // Whether the last Acquire found the file written by another holder (or by none): another
    // process may have talked to the mouse since this one last held it.
    bool FollowedAnother() const { return followedAnother_; }
    const std::string& Key() const { return key_; }

    // "process 1234 (quillonctl)" as the holder wrote it; "another process" when it wrote
    // nothing readable.
    std::string Holder() const;

    // The lock file of a key: the key with every character outside [A-Za-z0-9._-] as '_'.
    static std::string FileOf(const std::string& key);

  private:
    std::string key_;
    int fd_ = -1;
    bool followedAnother_ = true;
};

}  // namespace quillon
