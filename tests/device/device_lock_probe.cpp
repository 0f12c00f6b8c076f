// Test helper: another process that has the mouse.
//   device_lock_probe KEY    take the device lock of KEY, print "held", keep it for 20 s
// Exit status: 0 done, 1 the lock was taken, 64 usage.
#include <chrono>
#include <cstdio>
#include <thread>

#include "device/DeviceLock.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        return 64;
    }
    quillon::DeviceLock lock(argv[1]);
    if (!lock.Acquire(std::chrono::seconds(5))) {
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(20));
    return 0;
}
