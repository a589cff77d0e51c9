# The sources of src/case/posix, part of vitalis_core: a new file is added here.
set(VITALIS_CASE_POSIX_SOURCES
    case/posix/PosixFileSystem.cpp
    case/posix/PosixProcessIdentity.cpp
)
