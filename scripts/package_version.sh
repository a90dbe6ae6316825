#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the package version of the source tree in $2 (default: this one): the
# release number $1, then the time (UTC, to the second) and hash of its last
# commit, so that every later commit gives a higher version; the release alone
# for a tree without its git history.
set -euo pipefail
release=$1 tree=${2:-$(dirname "$0")/..}
if [ ! -e "$tree/.git" ]; then
    echo "$release"
    exit
fi
stamp=$(TZ=UTC git -C "$tree" log -1 --format=%cd.%h --date=format-local:%Y%m%d.%H%M%S)
echo "$release+git$stamp"
