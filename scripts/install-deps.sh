#!/usr/bin/env bash
# Installs every Debian package needed to build, test, run and benchmark USB_Tavro.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
    # build
    build-essential cmake ninja-build pkg-config clang-format
    # toolkit: widgets, Designer interface files, the TIFF image plug-in
    qt6-base-dev qt6-tools-dev libqt6opengl6-dev qt6-image-formats-plugins libgl-dev
    # translations: lupdate and lrelease, and Qt's own (its dialogs' buttons)
    qt6-l10n-tools qt6-translations-l10n
    # the X server's key-repeat mode, on Qt's own connection
    libxcb-xkb-dev
    # property lists, device registry
    libplist-dev libudev-dev
    # tests and benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev umockdev libumockdev-dev
    # a real X server with real input, for the tests
    xvfb libx11-dev libxtst-dev xdotool
    # a headless Wayland compositor with virtual keyboard and pointer, and Qt's Wayland platform
    sway wtype libwayland-dev qt6-wayland
    # a desktop session for the tests: session bus, accessibility bus, a screen reader's library
    dbus dbus-daemon at-spi2-core python3 python3-pyatspi
    # real locales, to read and write settings under decimal-comma ones and to show the panel in
    # each language it speaks, and a Japanese font to show it in that one
    locales-all fonts-ipafont-gothic
    clang libclang-rt-dev
    # packaging checks; systemd brings systemd-analyze, which verifies the user unit
    desktop-file-utils appstream dpkg-dev file groff-base man-db lintian systemd
)
# KDE Frameworks 6 for the System Settings module, and its hosts for the tests, where the release
# has them: Debian 13 (trixie) and later, testing and unstable (which give no VERSION_ID).
if [ -r /etc/os-release ] && (. /etc/os-release && [ "${ID:-}" = debian ] &&
    [ "${VERSION_ID:-99}" -ge 13 ]); then
    packages+=(libkf6kcmutils-dev libkf6widgetsaddons-dev systemsettings)
fi

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "install-deps.sh: run as root or install sudo" >&2
    exit 1
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
