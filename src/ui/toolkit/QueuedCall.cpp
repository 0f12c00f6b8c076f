#include "ui/toolkit/QueuedCall.h"

#include <QMetaObject>
#include <QObject>
#include <mutex>

namespace quillon {
namespace {

std::mutex& HandOver() {
    static std::mutex mutex;
    return mutex;
}

}  // namespace

void PostQueuedCall(QObject* context, std::function<void()> fn) {
    std::lock_guard posting(HandOver());
    QMetaObject::invokeMethod(
        context,
        [fn = std::move(fn)] {
            { std::lock_guard taken(HandOver()); }
            fn();
        },
        Qt::QueuedConnection);
}

}  // namespace quillon
