# Every text the programs show has a finished translation in every language, and no translation
# is kept for a text that is gone: lupdate takes the sources' texts into copies of the .ts files,
# which must then hold nothing unfinished, vanished or obsolete.
#   cmake -DLUPDATE=... -DSOURCE=<tree> -DWORK=<folder> "-DOPTIONS=..." "-DFOLDERS=..." -P CheckTranslations.cmake
file(GLOB ts_files "${SOURCE}/translations/*.ts")
file(REMOVE_RECURSE "${WORK}")
file(COPY ${ts_files} DESTINATION "${WORK}")
file(GLOB copies "${WORK}/*.ts")
execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${FOLDERS} -ts ${copies}
                WORKING_DIRECTORY "${SOURCE}" RESULT_VARIABLE status OUTPUT_QUIET
                ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
foreach(copy IN LISTS copies)
    file(READ "${copy}" text)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<comment>[^<]*</comment>[ \n]*)?(<extracomment>[^<]*</extracomment>[ \n]*)?<translation type=\"(unfinished|vanished|obsolete)\"" open "${text}")
    if(open)
        get_filename_component(name "${copy}" NAME)
        string(REGEX REPLACE "<translation[^\n]*" "" open "${open}")
        message(SEND_ERROR "${name}: texts without a finished translation, or translations of texts that are gone (update with: cmake --build build --target update_translations):\n${open}")
    endif()
endforeach()
