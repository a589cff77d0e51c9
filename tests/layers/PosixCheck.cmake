# Fails when a file of the case layer outside its posix/ folder includes a header of the
# operating system (POSIX or Linux) rather than of the C++ standard library: the case logic
# reaches the system only through the interfaces that case/posix implements.
# Arguments: -DCASE_DIR=... (the folder that holds the case layer's sources)

# The headers of POSIX and Linux that are not also C or C++ standard headers.
set(system_header
    "^(unistd|fcntl|pwd|grp|dirent|poll|termios|pthread|dlfcn|netdb|spawn|sched|semaphore"
    "|syslog|utime|libgen|glob|fnmatch|regex|strings|aio|mqueue|langinfo|iconv|ftw|utmpx"
    "|wordexp|err|paths|mntent|shadow|ifaddrs|poll|sys/[a-z_/]+|linux/[a-z_/]+"
    "|netinet/[a-z_]+|arpa/[a-z_]+|net/[a-z_]+|asm/[a-z_]+|bits/[a-z_]+)\\.h$")
string(CONCAT system_header ${system_header})

if(NOT IS_DIRECTORY "${CASE_DIR}")
    message(FATAL_ERROR "no folder ${CASE_DIR}")
endif()
file(GLOB_RECURSE sources RELATIVE "${CASE_DIR}" "${CASE_DIR}/*.h" "${CASE_DIR}/*.cpp")
list(FILTER sources EXCLUDE REGEX "^posix/")
set(faults "")
foreach(source IN LISTS sources)
    file(STRINGS "${CASE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*<")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>.*" "\\1" header "${line}")
        if(header MATCHES "${system_header}")
            string(APPEND faults "\n  ${source} includes <${header}>")
        endif()
    endforeach()
endforeach()
list(LENGTH sources count)
if(count EQUAL 0)
    message(FATAL_ERROR "no sources found under ${CASE_DIR}")
endif()
if(faults)
    message(FATAL_ERROR "system headers outside case/posix (use the FileSystem or "
                        "ProcessIdentity interface):${faults}")
endif()
message(STATUS "${count} files of the case layer include no system header")
