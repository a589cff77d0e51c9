# The sources of src/device/heron, part of vitalis_core: a new file is added here.
set(VITALIS_DEVICE_HERON_SOURCES
    device/heron/CProtocolHeron.cpp
    device/heron/HeronCaseFiles.cpp
    device/heron/HeronDownloadData.cpp
    device/heron/HeronPacketReader.cpp
    device/heron/HeronPackets.cpp
)
