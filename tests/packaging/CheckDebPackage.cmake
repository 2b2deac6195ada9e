# Builds the Debian package with CPack into a folder of its own and checks its control data, its
# maintainer script, its file list and its changelog, and has lintian check it as Debian would.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DCPACK=... -DDPKG_DEB=... -DGZIP=... -DVERSION=...
#         -DHOMEPAGE=... -DLIBDIR=... -DDATADIR=... -DMANDIR=... -DUDEV_RULES_DIR=...
#         -DUSER_UNIT_DIR=... -DIDENTIFIER=... -DDPKG_QUERY=... [-DLINTIAN=...]
#         -P CheckDebPackage.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ExpectedFiles.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages "${WORK_DIR}/usb-tavro_*.deb")
list(LENGTH packages count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages (${status}):\n${output}")
endif()

function(field name out_var)
    execute_process(COMMAND ${DPKG_DEB} --field ${packages} ${name}
                    OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(${out_var} "${value}" PARENT_SCOPE)
endfunction()
function(expect_field name regex)
    field(${name} value)
    if(NOT value MATCHES "${regex}")
        message(SEND_ERROR "${name}: '${value}' does not match '${regex}'")
    endif()
endfunction()

expect_field(Package "^usb-tavro$")
# The first packaging of this upstream version.
set(deb_version "${VERSION}-1")
expect_field(Version "^${deb_version}$")
expect_field(Section "^sound$")
expect_field(Priority "^optional$")
expect_field(Homepage "^${HOMEPAGE}$")
expect_field(Maintainer "^[^<]+ <[^>]+@[^>]+>$")
expect_field(Description "^settings panel and command-line tool for a USB FM transmitter\n .+")
expect_field(Recommends "qt6-wayland")
# From dpkg-shlibdeps: the package that holds each library the programs link, by the name this
# release gives it (Debian 13 renamed many, as libqt6core6t64); and what it cannot see.
set(libraries libQt6Widgets.so.6 libQt6Gui.so.6 libQt6Core.so.6 libQt6UiTools.so.6 libudev.so.1
              "libplist-2.0.so.[0-9]" "libstdc++.so.6" libc.so.6)
if(KCM_DIR) # the System Settings module's frameworks
    list(APPEND libraries libKF6KCMUtils.so.6 libKF6WidgetsAddons.so.6)
endif()
foreach(library IN LISTS libraries)
    execute_process(COMMAND ${DPKG_QUERY} --search "*/${library}" OUTPUT_VARIABLE owners
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT owners MATCHES "^([^:, ]+)")
        message(SEND_ERROR "no installed package holds ${library}")
        continue()
    endif()
    string(REPLACE "+" "\\+" package "${CMAKE_MATCH_1}")
    expect_field(Depends "(^|, )${package}( |,|$)")
endforeach()
expect_field(Depends "(^|, )qt6-image-formats-plugins( |,|$)")
# The private libraries are in the package, not dependencies of it.
field(Depends depends)
if(depends MATCHES "tavro")
    message(SEND_ERROR "Depends names a private library: ${depends}")
endif()

# The maintainer scripts reload udev's rules where udev runs, and nothing else is added to them.
execute_process(COMMAND ${DPKG_DEB} --info ${packages} OUTPUT_VARIABLE info)
foreach(script postinst postrm)
    if(NOT info MATCHES "\\* +${script} +#!/bin/sh")
        message(SEND_ERROR "no executable ${script}:\n${info}")
    endif()
    execute_process(COMMAND ${DPKG_DEB} --info ${packages} ${script} OUTPUT_VARIABLE text)
    if(NOT text MATCHES "\\[ -d /run/udev \\][^\n]*\n +udevadm control --reload-rules \\|\\| true"
       OR text MATCHES "(^|\n)[ \t]*ldconfig")
        message(SEND_ERROR "${script} does not just reload udev's rules where udev runs:\n${text}")
    endif()
endforeach()
string(REGEX MATCH "\n Description:[^\n]*(\n  [^\n]*)*" description "${info}")
string(REGEX MATCH "[^\n]{82,}" long_line "${description}")
if(long_line)
    message(SEND_ERROR "description line longer than 80 columns: ${long_line}")
endif()

execute_process(COMMAND ${DPKG_DEB} --contents ${packages} OUTPUT_VARIABLE contents)
string(REGEX MATCHALL "[^\n]+" entries "${contents}")
set(packaged)
foreach(entry IN LISTS entries)
    # Files only: "-rw-r--r-- root/root 1234 2026-01-01 00:00 ./usr/bin/x"
    if(entry MATCHES "^-[^ ]+ +root/root +[0-9]+ +[^ ]+ +[^ ]+ +\\./(.+)$")
        list(APPEND packaged "${CMAKE_MATCH_1}")
    elseif(NOT entry MATCHES "^d")
        message(SEND_ERROR "neither a file owned by root nor a folder: ${entry}")
    endif()
endforeach()
list(SORT packaged)
tavro_expected_files(expected)
tavro_compare_files("files in ${packages}" "${expected}" "${packaged}")

# The changelog's latest entry is this version's.
execute_process(COMMAND ${DPKG_DEB} --extract ${packages} ${WORK_DIR}/root)
execute_process(COMMAND ${GZIP} -dc ${WORK_DIR}/root/usr/${DATADIR}/doc/usb-tavro/changelog.Debian.gz
                OUTPUT_VARIABLE changelog)
if(NOT changelog MATCHES "^usb-tavro \\(${deb_version}\\) ")
    string(REGEX MATCH "^[^\n]*" latest "${changelog}")
    message(SEND_ERROR "the changelog's latest entry is not of ${deb_version}: ${latest}")
endif()

# Errors fail; warnings are shown. (The one it gives, initial-upload-closes-no-bugs, is about
# uploads to Debian's archive.)
if(LINTIAN)
    execute_process(COMMAND ${LINTIAN} --fail-on error ${packages}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(SEND_ERROR "lintian (${status}):\n${output}${errors}")
    elseif(output)
        message(STATUS "lintian:\n${output}")
    endif()
else()
    message(STATUS "lintian is not installed (Debian package lintian): the package is not linted")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
