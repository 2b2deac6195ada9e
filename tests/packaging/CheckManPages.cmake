# The manual pages format without warnings, have a NAME line that whatis understands, and carry
# the project's version.
#   cmake -DPAGES=a.1;b.1 -DVERSION=... -DGROFF=... -DLEXGROG=... -P CheckManPages.cmake
foreach(page IN LISTS PAGES)
    execute_process(COMMAND ${GROFF} -man -ww -z -Tutf8 ${page}
                    RESULT_VARIABLE status ERROR_VARIABLE warnings)
    if(NOT status EQUAL 0 OR warnings)
        message(SEND_ERROR "${page} does not format cleanly:\n${warnings}")
    endif()
    execute_process(COMMAND ${LEXGROG} ${page} RESULT_VARIABLE status OUTPUT_VARIABLE whatis)
    if(NOT status EQUAL 0 OR NOT whatis MATCHES "\"usb-tavro(-prefs)? - ")
        message(SEND_ERROR "${page} has no NAME line whatis can read: ${whatis}")
    endif()
    file(STRINGS ${page} title REGEX "^\\.TH ")
    if(NOT title MATCHES "\"USB_Tavro ${VERSION}\"")
        message(SEND_ERROR "${page} is not of version ${VERSION}: ${title}")
    endif()
endforeach()
