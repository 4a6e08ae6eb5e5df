# Installs the build into a fresh prefix and checks that the program, its data, the icon and a
# valid desktop entry land where the desktop and the program look for them.
# Arguments: -DBUILD_DIR=<build tree> -DPREFIX=<folder to install into, emptied first>
#            -DBINDIR, -DLIBDIR, -DDATADIR: the build's GNU install folders
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(CMAKE_INSTALL_BINDIR "${BINDIR}")
set(CMAKE_INSTALL_LIBDIR "${LIBDIR}")
set(CMAKE_INSTALL_DATADIR "${DATADIR}")
set(expected
    "${CMAKE_INSTALL_BINDIR}/pukana"
    "${CMAKE_INSTALL_LIBDIR}/pukana/pukana"
    "${CMAKE_INSTALL_LIBDIR}/pukana/btn.dat"
    "${CMAKE_INSTALL_LIBDIR}/pukana/pukana.dic"
    "${CMAKE_INSTALL_LIBDIR}/pukana/PUKANA.txt"
    "${CMAKE_INSTALL_DATADIR}/applications/pukana.desktop"
    "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/pukana.svg")
foreach(f ${expected})
    if(NOT EXISTS "${PREFIX}/${f}")
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()

# The command in bin must reach the program itself.
file(REAL_PATH "${PREFIX}/${CMAKE_INSTALL_BINDIR}/pukana" target)
file(REAL_PATH "${PREFIX}/${CMAKE_INSTALL_LIBDIR}/pukana/pukana" program)
if(NOT target STREQUAL program)
    message(FATAL_ERROR "bin/pukana leads to ${target}, not the program")
endif()

# The entry names the installed icon and a command found in bin.
set(desktop "${PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/pukana.desktop")
file(STRINGS "${desktop}" lines)
foreach(wanted "Icon=pukana" "Exec=pukana %f" "Categories=Office;TextEditor;"
        "MimeType=text/plain;application/rtf;text/rtf;")
    list(FIND lines "${wanted}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks ${wanted}")
    endif()
endforeach()

find_program(validate desktop-file-validate REQUIRED)
execute_process(COMMAND "${validate}" "${desktop}" RESULT_VARIABLE result
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
# Hints (suggestions of further categories) are fine; errors and warnings are not.
if(NOT result EQUAL 0 OR out MATCHES "error:|warning:")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
