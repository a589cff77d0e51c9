#pragma once

#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>

namespace vitalis {

// Answers the system Bluetooth service (BlueZ) when the monitor asks for its passkey while
// this program pairs with it, so the user never has to type it. Registered on the system bus
// for the pairings this program starts; without BlueZ it registers nothing.
class BluezPairingAgent : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.bluez.Agent1")

  public:
    explicit BluezPairingAgent(QString passkey, QObject* parent = nullptr);
    ~BluezPairingAgent() override;

    // False when there is no system bus; BlueZ's answer comes later and is not awaited, since
    // it handles the registration before any pairing asked for after it.
    bool Register();

  public slots:
    QString RequestPinCode(const QDBusObjectPath& device);
    quint32 RequestPasskey(const QDBusObjectPath& device);
    void RequestConfirmation(const QDBusObjectPath& device, quint32 passkey);
    void RequestAuthorization(const QDBusObjectPath& device);
    void AuthorizeService(const QDBusObjectPath& device, const QString& uuid);
    void DisplayPinCode(const QDBusObjectPath& device, const QString& pinCode);
    void DisplayPasskey(const QDBusObjectPath& device, quint32 passkey, quint16 entered);
    void Release();
    void Cancel();

  private:
    QString passkey_;
    bool registered_ = false;
};

}  // namespace vitalis
