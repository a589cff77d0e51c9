# The sources of src/device/link, part of vitalis_core: a new file is added here.
set(VITALIS_DEVICE_LINK_SOURCES
    device/link/BthDeviceList.cpp
    device/link/CBthLinkHeron.cpp
    device/link/CBthLinkHid.cpp
    device/link/CBthSocket.cpp
    device/link/CHidLink.cpp
    device/link/CSerialLinkHeron.cpp
    device/link/ComPortNames.cpp
    device/link/HighBitPacking.cpp
    device/link/LinkTarget.cpp
    device/link/MonitorFrames.cpp
    device/link/SerialProbe.cpp
    device/link/WireLog.cpp
    device/link/WireLogPlatform.cpp
    device/link/WireLogStream.cpp
)
