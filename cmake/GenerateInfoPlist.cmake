# Writes the bundle's Info.plist from its template at every build, so that "BuildVersion" (the
# number of commits) and "BuildDate" (today, or SOURCE_DATE_EPOCH's day) are current; the file is
# only touched when its text changes.
#   cmake -DTEMPLATE=... -DOUTPUT=... -DSOURCE_DIR=... -DPROJECT_VERSION=...
#         -DTAVRO_BUNDLE_IDENTIFIER=... -DTAVRO_PANE_MODULE=... -P GenerateInfoPlist.cmake
set(TAVRO_BUILD_VERSION "0")
find_package(Git QUIET)
if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
                    WORKING_DIRECTORY "${SOURCE_DIR}"
                    OUTPUT_VARIABLE count OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status ERROR_QUIET)
    if(status EQUAL 0 AND count MATCHES "^[0-9]+$")
        set(TAVRO_BUILD_VERSION "${count}")
    endif()
endif()
string(TIMESTAMP TAVRO_BUILD_DATE "%Y-%m-%d" UTC)
configure_file("${TEMPLATE}" "${OUTPUT}.new" @ONLY)
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
