# Installs the build into a staging folder (DESTDIR, prefix /usr), checks the file list, and
# runs the installed programs from there: they must find their private libraries through their
# RUNPATH and the pane's bundle by its path relative to the program.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DBINDIR=... -DLIBDIR=... -DDATADIR=... -DMANDIR=...
#         -DUDEV_RULES_DIR=... -DIDENTIFIER=... -DREADELF=... -P CheckInstallTree.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ExpectedFiles.cmake)

set(root "${WORK_DIR}/root")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/config")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(SORT installed)
tavro_expected_files(expected)
tavro_compare_files("installed files under ${root}" "${expected}" "${installed}")

# The build tree's libraries would serve as well, so the RUNPATH must be the installed one.
foreach(program usb-tavro usb-tavro-prefs)
    execute_process(COMMAND ${READELF} -d "${root}/usr/${BINDIR}/${program}"
                    OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
    if(NOT dynamic MATCHES "\\(RUNPATH\\)[^\n]*\\[\\$ORIGIN/\\.\\./${LIBDIR}/usb-tavro\\]")
        message(FATAL_ERROR "${program} has no RUNPATH to its private libraries:\n${dynamic}")
    endif()
endforeach()

set(run ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
        --unset=LD_LIBRARY_PATH XDG_CONFIG_HOME=${WORK_DIR}/config)
set(screenshot "${WORK_DIR}/pane.png")
execute_process(COMMAND ${run} "${root}/usr/${BINDIR}/usb-tavro-prefs" --simulate
                        --screenshot "${screenshot}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the installed usb-tavro-prefs failed (${status}):\n${output}")
endif()
file(READ "${screenshot}" signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "the installed usb-tavro-prefs wrote no PNG to ${screenshot}")
endif()

execute_process(COMMAND ${run} "${root}/usr/${BINDIR}/usb-tavro" --simulate tune 88.1
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT output MATCHES "Tuned to 88.1 MHz, stereo.")
    message(FATAL_ERROR "the installed usb-tavro failed (${status}):\n${output}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
