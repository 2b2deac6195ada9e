# Installs the build into a staging folder (DESTDIR, prefix /usr), checks the file list, and
# runs the installed programs from there: they must find their private libraries through their
# RUNPATH and the pane's bundle by its path relative to the program.
# Checks the udev rule and the systemd user unit that apply the settings at a plug-in, and
# verifies the unit with systemd-analyze in an installation of its own.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DBINDIR=... -DLIBDIR=... -DDATADIR=... -DMANDIR=...
#         -DUDEV_RULES_DIR=... -DUSER_UNIT_DIR=... -DIDENTIFIER=... -DREADELF=...
#         [-DSYSTEMD_ANALYZE=...] -P CheckInstallTree.cmake
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

# The rule asks the user's service manager for the unit at each plug-in of this transmitter's
# hidraw nodes, and only of them: every line that asks is a list of well-formed matches and
# assignments that holds all of these.
tavro_installed_dir(rules_dir "${UDEV_RULES_DIR}")
tavro_installed_dir(units_dir "${USER_UNIT_DIR}")
set(needed [[SUBSYSTEM=="hidraw"]] [[ATTRS{idVendor}=="0f5a"]] [[ATTRS{idProduct}=="0b17"]]
           [[TAG+="systemd"]] [[ENV{SYSTEMD_USER_WANTS}+="usb-tavro-apply@%k.service"]])
file(STRINGS "${root}/${rules_dir}/70-usb-tavro.rules" rules REGEX "SYSTEMD_USER_WANTS")
list(FILTER rules EXCLUDE REGEX "^[ \t]*#")
list(LENGTH rules count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "${count} rule lines ask for a user unit, not one:\n${rules}")
endif()
string(REGEX MATCHALL "[A-Za-z_]+({[^}]*})?(==|!=|\\+=|:=|=)\"[^\"]*\"" pairs "${rules}")
list(JOIN pairs ", " rejoined)
if(NOT rejoined STREQUAL rules)
    message(FATAL_ERROR "the rule is not a list of KEY==\"value\" items:\n${rules}")
endif()
foreach(item IN LISTS needed)
    list(FIND pairs "${item}" found)
    if(found EQUAL -1)
        message(SEND_ERROR "the rule lacks ${item}:\n${rules}")
    endif()
endforeach()
if(NOT EXISTS "${root}/${units_dir}/usb-tavro-apply@.service")
    message(FATAL_ERROR "the rule asks for usb-tavro-apply@, which is not in ${units_dir}")
endif()

# The unit runs the installed program, by its path under the prefix the install was made for.
tavro_installed_dir(bin_dir "${BINDIR}")
file(STRINGS "${root}/${units_dir}/usb-tavro-apply@.service" exec REGEX "^ExecStart=")
if(NOT exec STREQUAL "ExecStart=\"/${bin_dir}/usb-tavro\" apply --on-plug /dev/%I")
    message(FATAL_ERROR "the unit does not run the installed usb-tavro: ${exec}")
endif()
# systemd-analyze checks the program and the manual page the unit names on this machine, so it
# verifies an installation under a prefix of its own, one with a space and a specifier's % in it.
if(NOT SYSTEMD_ANALYZE)
    message(STATUS "systemd-analyze is not installed (Debian package systemd): unit not verified")
elseif(IS_ABSOLUTE "${USER_UNIT_DIR}")
    message(STATUS "the user unit folder ${USER_UNIT_DIR} is absolute: unit not verified")
else()
    set(prefix "${WORK_DIR}/my 100%I prefix")
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    file(MAKE_DIRECTORY "${WORK_DIR}/runtime")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_RUNTIME_DIR=${WORK_DIR}/runtime
                            MANPATH=${prefix}/${MANDIR}
                            ${SYSTEMD_ANALYZE} --user verify
                            "${prefix}/${USER_UNIT_DIR}/usb-tavro-apply@.service"
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0 OR output)
        message(FATAL_ERROR "systemd-analyze verify (${status}):\n${output}")
    endif()
endif()

# The build tree's libraries would serve as well, so the RUNPATH must be the installed one.
foreach(program usb-tavro usb-tavro-prefs)
    execute_process(COMMAND ${READELF} -d "${root}/usr/${BINDIR}/${program}"
                    OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
    if(NOT dynamic MATCHES "\\(RUNPATH\\)[^\n]*\\[\\$ORIGIN/\\.\\./${LIBDIR}/usb-tavro\\]")
        message(FATAL_ERROR "${program} has no RUNPATH to its private libraries:\n${dynamic}")
    endif()
endforeach()
# The System Settings module's RUNPATH leads from its folder to the same libraries.
if(KCM_DIR)
    tavro_installed_dir(kcm_dir "${KCM_DIR}")
    execute_process(COMMAND ${READELF} -d "${root}/${kcm_dir}/kcm_usbtavro.so"
                    OUTPUT_VARIABLE dynamic)
    string(REGEX MATCH "\\(RUNPATH\\)[^\n]*\\[\\$ORIGIN/([^\n]*)\\]" runpath "${dynamic}")
    get_filename_component(reached "${root}/${kcm_dir}/${CMAKE_MATCH_1}" ABSOLUTE)
    if(NOT runpath OR NOT reached STREQUAL "${root}/usr/${LIBDIR}/usb-tavro")
        message(FATAL_ERROR "the module's RUNPATH does not reach its private libraries:\n${dynamic}")
    endif()
endif()

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
