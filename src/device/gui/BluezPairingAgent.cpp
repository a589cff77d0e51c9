#include "device/gui/BluezPairingAgent.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>

namespace vitalis {
namespace {

const QString kService = QStringLiteral("org.bluez");
const QString kManagerPath = QStringLiteral("/org/bluez");
const QString kManager = QStringLiteral("org.bluez.AgentManager1");
const QString kAgentPath = QStringLiteral("/org/vitalis/pairing");

void CallManager(const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kManager, method);
    call.setArguments(arguments);
    QDBusConnection::systemBus().asyncCall(call);
}

}  // namespace

BluezPairingAgent::BluezPairingAgent(QString passkey, QObject* parent)
    : QObject(parent), passkey_(std::move(passkey)) {}

BluezPairingAgent::~BluezPairingAgent() {
    if (!registered_) return;
    CallManager(QStringLiteral("UnregisterAgent"),
                {QVariant::fromValue(QDBusObjectPath(kAgentPath))});
    QDBusConnection::systemBus().unregisterObject(kAgentPath);
}

bool BluezPairingAgent::Register() {
    if (registered_) return true;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return false;
    if (!bus.registerObject(kAgentPath, this, QDBusConnection::ExportAllSlots)) return false;
    CallManager(QStringLiteral("RegisterAgent"), {QVariant::fromValue(QDBusObjectPath(kAgentPath)),
                                                  QStringLiteral("KeyboardDisplay")});
    registered_ = true;
    return true;
}

QString BluezPairingAgent::RequestPinCode(const QDBusObjectPath&) {
    return passkey_;
}

quint32 BluezPairingAgent::RequestPasskey(const QDBusObjectPath&) {
    return passkey_.toUInt();
}

void BluezPairingAgent::RequestConfirmation(const QDBusObjectPath&, quint32 passkey) {
    // Only the monitor's own passkey is confirmed; any other device is refused.
    if (passkey == passkey_.toUInt() || !calledFromDBus()) return;
    sendErrorReply(QStringLiteral("org.bluez.Error.Rejected"), QStringLiteral("passkey differs"));
}

// The pairing was asked for by the user in this program: its requests are granted.
void BluezPairingAgent::RequestAuthorization(const QDBusObjectPath&) {}
void BluezPairingAgent::AuthorizeService(const QDBusObjectPath&, const QString&) {}
void BluezPairingAgent::DisplayPinCode(const QDBusObjectPath&, const QString&) {}
void BluezPairingAgent::DisplayPasskey(const QDBusObjectPath&, quint32, quint16) {}
void BluezPairingAgent::Release() {
    registered_ = false;
}
void BluezPairingAgent::Cancel() {}

}  // namespace vitalis
