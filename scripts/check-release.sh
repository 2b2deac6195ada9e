#!/usr/bin/env bash
# Checks the project on a fresh Debian release as a newcomer meets it: bootstraps a minimal
# chroot of RELEASE (bookworm, trixie, testing, ...), copies this tree into it (what git tracks,
# and new files it does not ignore), runs the README's test command there, builds it again with
# the release's clang, then builds the Debian package, installs it with apt, runs both installed
# programs and lets lintian judge the package.
#
#   sudo scripts/check-release.sh trixie
#   sudo scripts/check-release.sh --keep /var/tmp/tavro-testing testing   # reuses the chroot
#
# The chroot has /proc, /sys, /dev and /dev/pts of this machine bound in, and a /dev/shm of its
# own; they are unmounted and the chroot removed however the check ends (a kept one stays, its
# mounts undone).
# Exit status: 0 passed; 1 failed; 2 bad usage; 3 apt could not resolve the packages the project
# needs (a release in transition: the caller decides what that means).
# TAVRO_MIRROR sets the Debian mirror (default http://deb.debian.org/debian).
set -euo pipefail

usage() {
    echo "usage: $0 [--keep DIR] RELEASE" >&2
    exit 2
}
keep=
while [ $# -gt 0 ]; do
    case "$1" in
    --keep) [ $# -ge 2 ] || usage; keep=$2; shift 2 ;;
    -h | --help) awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"; exit 0 ;;
    -*) usage ;;
    *) break ;;
    esac
done
[ $# -eq 1 ] || usage
release=$1
[ "$(id -u)" -eq 0 ] || { echo "$0: run as root (debootstrap, chroot and mounts need it)" >&2; exit 2; }
if ! command -v debootstrap >/dev/null && command -v apt-get >/dev/null; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
fi
for tool in debootstrap chroot mount git; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 2; }
done

source=$(cd "$(dirname "$0")/.." && pwd)
mirror=${TAVRO_MIRROR:-http://deb.debian.org/debian}
if [ -n "$keep" ]; then
    root=$(mkdir -p "$keep" && cd "$keep" && pwd)
else
    root=$(mktemp -d "/var/tmp/tavro-$release.XXXXXX")
    chmod 755 "$root" # the root folder of a machine: every user passes through it
fi
mounted=()

cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
    done
    if [ -z "$keep" ]; then
        # Only once nothing is mounted inside: never remove through a bound /dev.
        if ! grep -qE " $root(/| )" /proc/self/mounts; then
            rm -rf --one-file-system "$root"
        fi
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

step() { printf '\n== %s: %s (%s)\n' "$release" "$1" "$(date +%T)"; }

if [ ! -e "$root/etc/debian_version" ]; then
    step "bootstrapping a minimal $release"
    debootstrap --variant=minbase "$release" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
        tail -n 20 "$root.debootstrap.log" >&2
        if grep -q "Couldn't find these debs" "$root.debootstrap.log"; then
            echo "$release: debootstrap could not resolve the base system's packages" >&2
            exit 3
        fi
        echo "$release: debootstrap failed (log: $root.debootstrap.log)" >&2
        exit 1
    }
    rm -f "$root.debootstrap.log"
fi
# The registry serves testing and unstable as fixed snapshots whose Release files expire.
echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99tavro-check"

# The chroot's root a mount point of its own, as a machine's is: the tests that mount a full or a
# read-only disk first make their view of "/" private.
mount --bind "$root" "$root"
mounted+=("$root")
for fs in proc sys dev dev/pts; do
    mount --bind "/$fs" "$root/$fs"
    mounted+=("$root/$fs")
done
# Shared memory of its own, as a machine has: a compositor's buffers live there.
mount -t tmpfs -o mode=1777,size=256m tmpfs "$root/dev/shm"
mounted+=("$root/dev/shm")

step "copying the tree"
rm -rf "$root/src"
mkdir -p "$root/src"
(cd "$source" && git ls-files -z --cached --others --exclude-standard | tar --null -cf - -T -) |
    tar -xf - -C "$root/src"

inside() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -euo pipefail -c "cd /src && $1"
}

step "installing the packages (scripts/install-deps.sh)"
if ! inside 'scripts/install-deps.sh' >"$root/install-deps.log" 2>&1; then
    tail -n 30 "$root/install-deps.log" >&2
    if grep -qE "^E: (Unable to correct problems|Unable to locate package|Package '.*' has no installation candidate)|unmet dependencies" \
        "$root/install-deps.log"; then
        echo "$release: apt could not resolve the packages the project needs" >&2
        exit 3
    fi
    echo "$release: scripts/install-deps.sh failed" >&2
    exit 1
fi
inside 'dpkg-query -W -f="\${Package} \${Version}\n" qt6-base-dev libplist-dev g++ clang' || true

step "the README's test command"
SECONDS=0
inside 'scripts/install-deps.sh && cmake --workflow --preset default'
echo "$release: built and tested in ${SECONDS} s"

step "the same build with this release's clang, warnings as errors"
SECONDS=0
inside 'cmake --preset default -B build-clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null &&
    cmake --build build-clang >/dev/null'
echo "$release: built with clang in ${SECONDS} s"

step "the Debian package: built, installed with apt, run, checked by lintian"
inside 'cmake --build --preset default --target package >/dev/null &&
    deb=$(ls build/usb-tavro_*.deb) &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$deb" >/dev/null &&
    /usr/bin/usb-tavro --version &&
    XDG_CONFIG_HOME=$(mktemp -d) /usr/bin/usb-tavro --simulate tune 99.5 &&
    QT_QPA_PLATFORM=offscreen /usr/bin/usb-tavro-prefs --simulate --screenshot /tmp/pane.png &&
    test -s /tmp/pane.png &&
    lintian --fail-on error "$deb" &&
    DEBIAN_FRONTEND=noninteractive apt-get remove -y usb-tavro >/dev/null'
echo "$release: passed"
