# The sources of src/device/os, part of vitalis_os: a new file is added here.
set(VITALIS_DEVICE_OS_SOURCES
    device/os/CHID.cpp
    device/os/CSerialPort.cpp
    device/os/EnumComPorts.cpp
    device/os/FdStream.cpp
    device/os/FdWait.cpp
    device/os/LoggedSystemPlatform.cpp
    device/os/SdpLookup.cpp
    device/os/SocketStream.cpp
    device/os/SystemLinkPlatform.cpp
)
