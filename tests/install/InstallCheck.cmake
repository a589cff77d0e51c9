# Installs the build into a scratch prefix and checks the layout a desktop expects: the
# programs, their files, the desktop entry with its icons and file type, and that the
# command-line tool starts from there.
# Arguments: -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
set(app org.vitalis.Vitalis)
foreach(wanted
        bin/vitalis bin/vitalis-cli bin/vitalis-report bin/heron-sim
        share/vitalis/Language/English.lng share/vitalis/Language/German.lng
        share/vitalis/Language/Spanish.lng share/vitalis/res/Help/English.html
        share/vitalis/res/Logo.ico share/applications/${app}.desktop
        share/mime/packages/${app}.xml lib/udev/rules.d/70-heron-monitor.rules
        share/icons/hicolor/16x16/apps/${app}.png share/icons/hicolor/32x32/apps/${app}.png
        share/icons/hicolor/64x64/apps/${app}.png)
    if(NOT EXISTS "${PREFIX}/${wanted}")
        message(FATAL_ERROR "not installed: ${wanted}")
    endif()
endforeach()
file(READ "${PREFIX}/share/applications/${app}.desktop" entry)
foreach(line "Name=Vitalis" "GenericName=" "Exec=vitalis" "Icon=${app}"
             "MimeType=application/x-vitalis-awp;")
    string(FIND "${entry}" "${line}" at)
    if(at LESS 0)
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()
execute_process(COMMAND "${PREFIX}/bin/vitalis-cli" --help RESULT_VARIABLE ran
                OUTPUT_VARIABLE help ERROR_VARIABLE help_error)
if(NOT ran EQUAL 0 OR help STREQUAL "")
    message(FATAL_ERROR "vitalis-cli --help from the installed tree: ${ran}\n${help}${help_error}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
