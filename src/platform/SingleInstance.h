#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "platform/FileDescriptor.h"
#include "platform/InstanceMessage.h"
#include "platform/Paths.h"

namespace quillon {

// One running copy per user. The first copy holds an flock()ed lock file and listens on a
// Unix-domain socket beside it ("quillon-mouse.lock", "quillon-mouse.socket" in the runtime
// folder); later copies find the lock taken and send their request over the socket. Both files
// are only used in a folder that belongs to us and that nobody else may write, the socket only
// when it is ours, and only peers of our own user are heard or spoken to.
class SingleInstance {
  public:
    enum class Role {
        First,      // we hold the lock and the socket
        Second,     // another copy holds the lock: send it a message and end
        Unguarded,  // the folder, lock or socket cannot be used safely: run without either
    };
    using Handler = std::function<void(const InstanceMessage&)>;

    explicit SingleInstance(std::string folder = RuntimeFolder());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock and, when it is free, the socket: a socket file left by a copy that ended
    // without cleaning up is replaced. Connections made before StartListening() wait their turn.
    Role TryAcquire();

    // First copy only: a thread accepts connections one at a time and gives each message read
    // from them, in order, to the handler (on that thread). Malformed or oversized lines are
    // dropped; a peer that sends nothing is given up after a second. False when not listening.
    bool StartListening(Handler handler);

    // Ends listening for good: the thread is stopped (promptly, also during a slow peer) and the
    // socket closed and removed. The lock is kept until destruction. Not for use by the handler.
    void Stop();

    // Sends one message to the copy holding the socket; usable by any process of the user.
    // Waits a little for a first copy that has the lock but is not listening yet.
    bool SendToFirst(const InstanceMessage& message) const;

    enum class Delivery {
        Sent,
        NotRunning,  // no copy answers: no socket, or one left by a copy that ended
        Failed,      // the folder or the socket is not safe to use, the message not allowed, ...
    };
    // As SendToFirst, waiting at most `patience` for a copy to answer, for tools that must tell
    // a copy that is not running from one that cannot be reached.
    Delivery Deliver(const InstanceMessage& message, std::chrono::milliseconds patience) const;

    const std::string& lockPath() const { return lockPath_; }
    const std::string& socketPath() const { return socketPath_; }

  private:
    void Release();
    void Listen(const Handler& handler);
    bool ServePeer(int peer, const Handler& handler);

    std::string folder_;
    std::string lockPath_;
    std::string socketPath_;
    Role role_ = Role::Unguarded;
    bool acquired_ = false;
    FileDescriptor lock_;
    FileDescriptor listener_;
    FileDescriptor wakeRead_;
    FileDescriptor wakeWrite_;
    std::thread thread_;
};

}  // namespace quillon
