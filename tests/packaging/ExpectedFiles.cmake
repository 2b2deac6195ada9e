# A folder given relative to the prefix /usr, or absolute, relative to the root.
function(tavro_installed_dir out_var dir)
    if(IS_ABSOLUTE "${dir}")
        string(REGEX REPLACE "^/+" "" dir "${dir}")
    else()
        set(dir "usr/${dir}")
    endif()
    set(${out_var} "${dir}" PARENT_SCOPE)
endfunction()

# The files an installation under the prefix /usr holds, relative to the root, in the variable
# named by out_var. Needs BINDIR, LIBDIR, DATADIR, MANDIR (as GNUInstallDirs gives them),
# UDEV_RULES_DIR and USER_UNIT_DIR (relative to the prefix, or absolute) and IDENTIFIER; KCM_DIR
# too where the System Settings module is built.
function(tavro_expected_files out_var)
    tavro_installed_dir(rules "${UDEV_RULES_DIR}")
    tavro_installed_dir(units "${USER_UNIT_DIR}")
    set(kcm)
    if(KCM_DIR)
        tavro_installed_dir(kcm_dir "${KCM_DIR}")
        set(kcm "${kcm_dir}/kcm_usbtavro.so")
    endif()
    set(private "${LIBDIR}/usb-tavro")
    set(bundle "${private}/USB_Tavro.prefPane/Contents")
    set(files
        "${BINDIR}/usb-tavro"
        "${BINDIR}/usb-tavro-prefs"
        "${private}/libtavro-device.so"
        "${private}/libtavro-host.so"
        "${bundle}/Info.plist"
        "${bundle}/Linux/USB_Tavro.so"
        "${bundle}/Resources/USB_Tavro.ui"
        "${bundle}/Resources/xr_logo.png"
        "${bundle}/Resources/xr_logo@2x.png"
        "${DATADIR}/applications/${IDENTIFIER}.desktop"
        "${DATADIR}/metainfo/${IDENTIFIER}.metainfo.xml"
        "${DATADIR}/icons/hicolor/128x128/apps/${IDENTIFIER}.png"
        "${DATADIR}/icons/hicolor/256x256/apps/${IDENTIFIER}.png"
        "${DATADIR}/doc/usb-tavro/copyright"
        "${DATADIR}/doc/usb-tavro/changelog.Debian.gz"
        "${MANDIR}/man1/usb-tavro.1.gz"
        "${MANDIR}/man1/usb-tavro-prefs.1.gz")
    foreach(language de es fr ja)
        list(APPEND files "${DATADIR}/usb-tavro/translations/usb-tavro_${language}.qm")
    endforeach()
    foreach(image xr_tuner xr_detent xr_dig0 xr_dig1 xr_dig2 xr_dig3 xr_dig4 xr_dig5 xr_dig6
                  xr_dig7 xr_dig8 xr_dig9 xr_digpoint xr_digdash)
        list(APPEND files "${bundle}/Resources/${image}.tif" "${bundle}/Resources/${image}@2x.tif")
    endforeach()
    list(TRANSFORM files PREPEND "usr/")
    list(APPEND files "${rules}/70-usb-tavro.rules" "${units}/usb-tavro-apply@.service" ${kcm})
    list(SORT files)
    set(${out_var} "${files}" PARENT_SCOPE)
endfunction()

# Fails with the differences when the two sorted lists differ.
function(tavro_compare_files what expected actual)
    set(missing ${expected})
    set(unexpected ${actual})
    if(actual)
        list(REMOVE_ITEM missing ${actual})
    endif()
    if(expected)
        list(REMOVE_ITEM unexpected ${expected})
    endif()
    if(missing OR unexpected)
        list(JOIN missing "\n  " missing_text)
        list(JOIN unexpected "\n  " unexpected_text)
        message(FATAL_ERROR "${what}:\nmissing:\n  ${missing_text}\nunexpected:\n  ${unexpected_text}")
    endif()
endfunction()
