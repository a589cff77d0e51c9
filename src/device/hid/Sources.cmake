# The sources of src/device/hid, part of vitalis_core: a new file is added here.
set(VITALIS_DEVICE_HID_SOURCES
    device/hid/CProtocolNEW.cpp
    device/hid/HidBlocks.cpp
    device/hid/HidReportDescriptor.cpp
    device/hid/HidReports.cpp
)
