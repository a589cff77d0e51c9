#include <gtest/gtest.h>

#include "device/gui/BluezPairingAgent.h"
#include "device/link/BthDeviceList.h"

namespace vitalis {
namespace {

TEST(BluezPairingAgent, AnswersTheMonitorsPasskeyAsPinCodeAndAsNumber) {
    BluezPairingAgent agent(QString(BthDeviceList::kPasskey));
    const QDBusObjectPath device(QStringLiteral("/org/bluez/hci0/dev_00_11_22_33_44_55"));
    EXPECT_EQ(agent.RequestPinCode(device), "2946");
    EXPECT_EQ(agent.RequestPasskey(device), 2946u);
}

}  // namespace
}  // namespace vitalis
