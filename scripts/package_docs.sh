#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the package's documents for version $1 of the source tree $2 into $3:
# the changelog (one entry, for the commit it is built from), the copyright
# file and the manual page, compressed as Debian wants them.
set -euo pipefail
version=$1 tree=$2 out=$3
mkdir -p "$out"
export TZ=UTC LC_ALL=C
if [ -e "$tree/.git" ]; then
    date=$(git -C "$tree" log -1 --date='format-local:%a, %d %b %Y %H:%M:%S +0000' --format=%cd)
    note="Built from commit $(git -C "$tree" log -1 --format='%h: %s')"
else
    date=$(date -R)
    note="Built from a source tree without its history."
fi
{
    echo "fotobako ($version) unstable; urgency=medium"
    echo
    fold -s -w 72 <<<"$note" | sed 's/ *$//; 1s/^/  * /; 2,$s/^/    /'
    echo
    echo " -- Fotobako developers <maintainers@fotobako.invalid>  $date"
} | gzip -9n >"$out/changelog.gz"
cp "$tree/packaging/copyright" "$out/copyright"
gzip -9n <"$tree/packaging/fotobako.1" >"$out/fotobako.1.gz"
