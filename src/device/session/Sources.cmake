# The sources of src/device/session, part of vitalis_core: a new file is added here.
set(VITALIS_DEVICE_SESSION_SOURCES
    device/session/CProtocolBase.cpp
    device/session/Identification.cpp
    device/session/Pacer.cpp
    device/session/PolicySessionUi.cpp
    device/session/ProgrammingPlan.cpp
    device/session/SessionFactory.cpp
    device/session/SessionMessages.cpp
    device/session/SessionProgress.cpp
    device/session/SessionWorker.cpp
    device/session/UploadBlocks.cpp
    device/session/UploadChoices.cpp
)
