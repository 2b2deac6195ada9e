# libplist, as the target tavro_plist, with what its installed version offers. Its interface
# changed after 2.2: plist_mem_free replaced plist_to_xml_free, and integers became signed. host/LibPlist.h holds the one place that tells them apart.
include_guard(GLOBAL)
find_package(PkgConfig REQUIRED)
pkg_check_modules(PLIST REQUIRED IMPORTED_TARGET GLOBAL libplist-2.0)

include(CheckCXXSymbolExists)
set(CMAKE_REQUIRED_INCLUDES ${PLIST_INCLUDE_DIRS})
set(CMAKE_REQUIRED_LIBRARIES PkgConfig::PLIST)
set(CMAKE_REQUIRED_QUIET ON)
check_cxx_symbol_exists(plist_mem_free plist/plist.h TAVRO_PLIST_HAS_MEM_FREE)
check_cxx_symbol_exists(plist_new_int plist/plist.h TAVRO_PLIST_HAS_NEW_INT)
check_cxx_symbol_exists(plist_int_val_is_negative plist/plist.h TAVRO_PLIST_HAS_INT_SIGN)
unset(CMAKE_REQUIRED_INCLUDES)
unset(CMAKE_REQUIRED_LIBRARIES)
unset(CMAKE_REQUIRED_QUIET)
# Signed integers: made with plist_new_int, their sign asked with plist_int_val_is_negative.
if(TAVRO_PLIST_HAS_NEW_INT AND TAVRO_PLIST_HAS_INT_SIGN)
    set(TAVRO_PLIST_HAS_SIGNED_INT 1)
else()
    set(TAVRO_PLIST_HAS_SIGNED_INT 0)
endif()
if(NOT TAVRO_PLIST_HAS_MEM_FREE)
    set(TAVRO_PLIST_HAS_MEM_FREE 0)
endif()
message(STATUS "libplist ${PLIST_VERSION}: plist_mem_free ${TAVRO_PLIST_HAS_MEM_FREE}, "
               "signed integers ${TAVRO_PLIST_HAS_SIGNED_INT}")

add_library(tavro_plist INTERFACE)
target_link_libraries(tavro_plist INTERFACE PkgConfig::PLIST)
target_compile_definitions(tavro_plist INTERFACE
    TAVRO_PLIST_HAS_MEM_FREE=${TAVRO_PLIST_HAS_MEM_FREE}
    TAVRO_PLIST_HAS_SIGNED_INT=${TAVRO_PLIST_HAS_SIGNED_INT})
