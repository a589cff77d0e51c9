# The sources and headers (the headers for moc) of src/device/gui, part of vitalis_gui: a new file is added here.
set(VITALIS_DEVICE_GUI_SOURCES
    device/gui/BluetoothDiscoverer.h
    device/gui/BluetoothScanDialog.cpp
    device/gui/BluetoothScanDialog.h
    device/gui/BluezPairingAgent.cpp
    device/gui/BluezPairingAgent.h
    device/gui/LinkWayDialog.cpp
    device/gui/LinkWayDialog.h
    device/gui/QtBluetoothDiscoverer.cpp
    device/gui/QtBluetoothDiscoverer.h
    device/gui/QtSessionUi.cpp
    device/gui/QtSessionUi.h
    device/gui/SessionProgressDialog.cpp
    device/gui/SessionProgressDialog.h
    device/gui/UploadParameterDialog.cpp
    device/gui/UploadParameterDialog.h
)
