#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and makes its Debian package, build/fotobako_<version>_<arch>.deb,
# which `apt-get install ./build/fotobako_*.deb` installs with what it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
# dpkg-shlibdeps works out the libraries' packages, file finds the binaries,
# and git gives the version.
./scripts/install_packages.sh dpkg-dev file git
rm -f build/fotobako_*.deb
(cd build && cpack -G DEB)
ls -l build/fotobako_*.deb
