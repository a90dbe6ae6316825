#!/usr/bin/env bash
# Installs the Debian packages the build needs (only the missing ones) and
# configures and builds the project into build/. With --tests it installs the
# components the tests start and check with too, and makes every compiler
# warning an error.
set -euo pipefail
cd "$(dirname "$0")/.."

# What building and running the program need.
packages=(cmake g++ make qt6-base-dev libqt6printsupport6 libexif-dev googletest libgtest-dev
    libgl-dev fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n qt6-qpa-plugins)
# What the tests start: an X server, a printer, SSH and SMB network drives and
# camera cards; and what checks the Debian package.
test_packages=(xvfb xauth xdotool x11-apps xclip cups printer-driver-cups-pdf poppler-utils
    openssh-server sshfs samba smbclient smbnetfs gvfs-backends gvfs-fuse dbus exfatprogs
    exfat-fuse dosfstools fusefat iproute2
    desktop-file-utils appstream dpkg-dev file)

tests=false
[ "${1:-}" = "--tests" ] && tests=true
wanted=("${packages[@]}")
$tests && wanted+=("${test_packages[@]}")
./scripts/install_packages.sh "${wanted[@]}"

configure=()
if [ ! -f build/CMakeCache.txt ]; then
    configure=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    command -v ccache >/dev/null && configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if $tests && ! grep -qx 'FOTOBAKO_WERROR:BOOL=ON' build/CMakeCache.txt 2>/dev/null; then
    configure+=(-DFOTOBAKO_WERROR=ON)
fi
[ ${#configure[@]} -eq 0 ] || cmake -S . -B build "${configure[@]}"
cmake --build build -j2
