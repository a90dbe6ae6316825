#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The package made from the build tree, unpacked and checked; its program run
# from its read-only folder with private configuration, saving through $2.
set -euo pipefail
build=$1 shim=$2 work=$(mktemp -d) && school=$work/school/fotobako user=$work/user
source=$(cd "$(dirname "$0")/../.." && pwd)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(ls "$work"/out/fotobako_*.deb) root=$work/root bin=$work/root/usr/bin/fotobako
dpkg-deb -x "$deb" "$root" && test -x "$bin"
tags=$(lintian "$deb" 2>&1 | grep -E '^[EW]:' || true)
[ -z "$tags" ] || fail "lintian: $tags"
readelf -d "$bin" | grep -q 'FLAGS.*BIND_NOW' || fail "linked without -z now"
! readelf -S "$bin" | grep -q '\.comment' || fail ".comment kept"
[ ! -e "$source/.git" ] || [[ $(dpkg-deb -f "$deb" Version) == *+git* ]] || fail "no commit in the version"
# Each later commit's version is higher, whatever the day or zone it was made
# in, and higher than 0.1, the version every package had before.
git init -q "$work/repo" && versions=(0.1)
for date in 2026-12-09T08:00:00Z 2026-12-09T08:00:01Z 2026-12-10T06:00:00+0900 \
    2026-12-09T22:00:00Z 2027-01-01T00:00:00Z; do
    GIT_COMMITTER_DATE=$date git -C "$work/repo" -c user.name=t -c user.email=t@t.invalid \
        commit -q --allow-empty -m "$date"
    versions+=("$("$source"/scripts/package_version.sh 0.2 "$work/repo")")
done
for ((i = 1; i < ${#versions[@]}; i++)); do
    dpkg --compare-versions "${versions[i]}" gt "${versions[i - 1]}" ||
        fail "${versions[i]} does not follow ${versions[i - 1]}"
done
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null
ls "$root"/usr/share/icons/hicolor/{scalable/apps/fotobako.svg,{48x48,128x128,256x256}/apps/fotobako.png}
# Depends holds what dpkg-shlibdeps finds and what is loaded at run time.
names() { tr ',|' '\n\n' | awk 'NF { print $1 }' | sort -u; }
mkdir "$work/debian" && printf 'Source: x\n\nPackage: x\nArchitecture: any\n' >"$work/debian/control"
(cd "$work" && dpkg-shlibdeps -O "$bin" | sed 's/^shlibs:Depends=//'
    echo ", fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n") | names >"$work/needed"
missing=$(dpkg-deb -f "$deb" Depends | names | comm -13 - "$work/needed")
[ -z "$missing" ] || fail "Depends lacks $missing"
! ldd "$bin" | grep 'not found' || fail "libraries not found"
# The school-wide settings put the library on D:, a folder here.
mkdir -p "$school" "$user" "$work/d" && echo "D: $work/d" >"$school/DRIVES.TXT"
printf 'A:\\\r\nD:\\A_image\\\r\n2002\r\n\r\n 0 \r\n\r\n' | tee "$work/default" >"$school/DRVDATA.TXT"
chmod -R a-w "$root" "$school"
HOME=$work XDG_CONFIG_HOME=$user XDG_CONFIG_DIRS=$work/school XDG_DATA_HOME=$work/data \
    XDG_CACHE_HOME=$work/cache QT_QPA_PLATFORM=offscreen LD_PRELOAD=$shim timeout 60 "$bin"
[ -d "$work/d/A_image/2002" ] || fail "the school-wide settings were not read"
[ -s "$user/fotobako/DRVDATA.TXT" ] || fail "the settings were not saved in the user's folder"
cmp "$work/default" "$school/DRVDATA.TXT" && [ ! -e "$root/usr/bin/DRVDATA.TXT" ]
