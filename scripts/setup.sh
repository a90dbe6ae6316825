#!/usr/bin/env bash
# Installs the Debian packages the build needs (only the missing ones) and
# configures and builds the project into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make qt6-base-dev libqt6printsupport6 libexif-dev googletest libgtest-dev
    fonts-ipafont-gothic fonts-ipafont-mincho xvfb xauth xdotool x11-apps libgl-dev openssh-server sshfs
    cups printer-driver-cups-pdf poppler-utils xclip exfatprogs exfat-fuse dosfstools fusefat qt6-translations-l10n
    samba smbclient smbnetfs iproute2)
./scripts/install_packages.sh "${packages[@]}"

if [ ! -f build/CMakeCache.txt ]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
cmake --build build -j2
