#include "app/DesktopNotification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QStringList>
#include <QVariantMap>
#include <utility>

#include "platform/Paths.h"

namespace quillon {

void SendDesktopNotification(const std::string& summary, const std::string& body, QObject* context,
                             std::function<void()> failed) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        failed();
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                       "/org/freedesktop/Notifications",
                                                       "org.freedesktop.Notifications", "Notify");
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the
    // service's own).
    call << QString(kProductName) << 0u << QString() << QString::fromStdString(summary)
         << QString::fromStdString(body) << QStringList() << QVariantMap() << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished,
                     [failed = std::move(failed)](QDBusPendingCallWatcher* done) {
                         if (done->isError()) {
                             failed();
                         }
                         done->deleteLater();
                     });
}

}  // namespace quillon
