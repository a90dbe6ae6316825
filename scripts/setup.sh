#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs (only the missing ones),
# configures the project into build/ where it has no usable build tree, and
# builds the program. With --tests it installs the components the tests start
# and check with too, makes every compiler warning an error, and builds the
# tests and benchmarks as well.
set -euo pipefail
cd "$(dirname "$0")/.."

# What building and running the program need; dpkg-dev gives Debian's
# hardening flags.
packages=(cmake g++ make pkgconf dpkg-dev qt6-base-dev libqt6printsupport6 libexif-dev libheif-dev
    libde265-dev libgphoto2-dev libgl-dev fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n
    qt6-qpa-plugins)
# What the tests need and start: googletest, an X server, a printer, SSH and
# SMB network drives, camera cards, a camera on a cable (libgphoto2's
# directory camera) and HEIC photos; and what checks the Debian package and
# makes the clean Debian root of the fresh-machine check.
test_packages=(googletest libgtest-dev xvfb xauth xdotool x11-apps x11-utils xclip cups
    printer-driver-cups-pdf poppler-utils openssh-server sshfs samba smbclient smbnetfs gvfs-backends
    gvfs-fuse dbus exfatprogs exfat-fuse dosfstools fusefat iproute2 libgphoto2-6 libheif-examples
    desktop-file-utils appstream file git lintian debootstrap)

tests=false
[ "${1:-}" = "--tests" ] && tests=true
wanted=("${packages[@]}")
$tests && wanted+=("${test_packages[@]}")
./scripts/install_packages.sh "${wanted[@]}"

# A configure that failed half-way leaves a cache but no build system: run it
# again. The test build needs the tests and warnings as errors; the program's
# build takes a tree that has them as it is.
cached() { grep -qx "$1" build/CMakeCache.txt 2>/dev/null; }
configure=()
if [ ! -f build/Makefile ] && [ ! -f build/build.ninja ]; then
    configure=(-DFOTOBAKO_TESTS=$($tests && echo ON || echo OFF))
fi
if $tests; then
    cached 'FOTOBAKO_TESTS:BOOL=ON' || configure+=(-DFOTOBAKO_TESTS=ON)
    cached 'FOTOBAKO_WERROR:BOOL=ON' || configure+=(-DFOTOBAKO_WERROR=ON)
fi
if [ ${#configure[@]} -gt 0 ]; then
    cached 'CMAKE_BUILD_TYPE:STRING=..*' || configure+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    command -v ccache >/dev/null && configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B build "${configure[@]}"
fi
if $tests; then
    cmake --build build -j2
else
    cmake --build build -j2 --target fotobako
fi
