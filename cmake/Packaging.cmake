# A Debian package of everything `cmake --install` puts in place:
#   cmake --build <build> --target package     (or: cd <build> && cpack -G DEB)
# Its dependencies are worked out by dpkg-shlibdeps from the programs, the pane module and the
# private libraries, plus the plug-ins Qt loads at run time, which no linker sees.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "usb-tavro")
set(CPACK_PACKAGE_VENDOR "USB_Tavro")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings panel and command-line tool for a USB FM transmitter")
# The long description as dpkg shows it: lines of at most 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "USB_Tavro sets up the small USB FM transmitter with USB vendor 0f5a and\n"
    "product 0b17. usb-tavro-prefs shows its settings panel: turn the dial to\n"
    "tune it in 100 kHz steps inside its band, pick stereo or mono, and the\n"
    "transmitter is tuned at once. usb-tavro tunes it from the command line and\n"
    "from scripts, with the same settings. A udev rule lets the user logged in\n"
    "at the seat use the transmitter without root.")
if(TARGET kcm_usbtavro)
    string(APPEND CPACK_PACKAGE_DESCRIPTION
        "\nOn KDE Plasma, the panel is also a page of System Settings.")
endif()
set(TAVRO_PACKAGE_MAINTAINER "USB_Tavro maintainers <maintainers@usbtavro.invalid>" CACHE STRING
    "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${TAVRO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first packaging of each upstream version; packaging/debian/changelog names it.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION "sound")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries the programs share with the pane module, found through their RUNPATH; given
# relative to the package's root, where dpkg-shlibdeps runs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "usr/${TAVRO_INSTALL_PRIVATE_DIR}")
# The dial's images are TIFF files, read through Qt's TIFF plug-in. The X11 platform plug-in
# comes with libqt6gui6, which dpkg-shlibdeps finds; the Wayland one is separate.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins")
# Qt's own translations, for the buttons of its dialogs in the person's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# Apply the udev rule to a transmitter plugged in during the installation, and forget it on
# removal.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/packaging/debian/postinst"
                                       "${PROJECT_SOURCE_DIR}/packaging/debian/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
