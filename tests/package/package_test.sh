#!/usr/bin/env bash
# The package made from the build tree, unpacked and checked; its program run
# from its read-only folder with private configuration, saving through $2.
set -euo pipefail
build=$1 shim=$2 work=$(mktemp -d) && school=$work/school/fotobako user=$work/user
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(ls "$work"/out/fotobako_*.deb) root=$work/root bin=$work/root/usr/bin/fotobako
dpkg-deb -x "$deb" "$root" && test -x "$bin"
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
