#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves on clean Debian 12 roots that no install step is missing: in one, a
# plain clone of this repository's last commit (HEAD) runs ./run.sh until the
# main window shows, then makes the package with scripts/package.sh; in a
# second, `apt-get install ./fotobako_*.deb` installs that package, a new user
# starts it with the school-wide settings of /etc/xdg/fotobako/, and purging
# removes it. Both roots come from the machine's own apt sources; the windows
# show on a private Xvfb. Needs root; takes about 20 minutes.
#
# With --package FILE it checks that package alone, in the second root.
#
# The clean root is kept as a tarball of a fresh `debootstrap --variant=minbase`
# in /var/cache/fotobako-check/, made again when it is a week old.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
deb=
[ "${1:-}" != --package ] || deb=$(realpath "$2")
[ "$(id -u)" -eq 0 ] || { echo "fresh machine check: needs root (debootstrap, chroot, mount)"; exit 1; }
./scripts/install_packages.sh debootstrap xvfb xauth xdotool x11-utils git

cache=/var/cache/fotobako-check
base=$cache/bookworm-minbase.tar
work=$(mktemp -d /var/tmp/fotobako-check.XXXXXX)
mounts=() programs=() xserver=
cleanup() {
    for pid in "${programs[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
    [ -z "$xserver" ] || kill "$xserver" 2>/dev/null || true
    wait 2>/dev/null || true
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}"
    done
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT
step() { echo "== $* ($(((SECONDS - started) / 60)) min)"; }
fail() {
    echo "FAIL: $1"
    [ -z "${2:-}" ] || tail -n 40 "$2"
    exit 1
}

# The machine's Debian mirror for bookworm, as apt has it.
mirror=$(apt-get indextargets --format '$(REPO_URI) $(CODENAME)' | awk '$2 == "bookworm" { print $1; exit }')
[ -n "$mirror" ] || fail "apt has no bookworm source"

if [ ! -f "$base" ] || [ -n "$(find "$base" -mtime +7)" ]; then
    step "debootstrap --variant=minbase bookworm $mirror"
    mkdir -p "$cache"
    fresh=$work/debootstrap
    debootstrap --variant=minbase bookworm "$fresh" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        fail "debootstrap" "$work/debootstrap.log"
    tar -C "$fresh" -cf "$base.new" . && mv "$base.new" "$base"
    rm -rf --one-file-system "$fresh"
fi

# A clean root in $work/$1 with the machine's apt sources and name service,
# its kernel file systems and the X server's socket mounted, no service
# started by what it installs.
clean_root() {
    root=$work/$1
    mkdir "$root" && tar -C "$root" -xf "$base"
    cp /etc/resolv.conf /etc/hosts "$root/etc/"
    rm -f "$root/etc/apt/sources.list"
    cp -r /etc/apt/sources.list* /etc/apt/apt.conf.d "$root/etc/apt/" 2>/dev/null || true
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d" && chmod +x "$root/usr/sbin/policy-rc.d"
    mkdir -p "$root/tmp/.X11-unix"
    local kind target
    for kind in proc sys dev tmp/.X11-unix; do
        target=$root/$kind
        case $kind in
        proc) mount -t proc proc "$target" ;;
        sys) mount -t sysfs sys "$target" ;;
        *) mount --bind "/$kind" "$target" ;;
        esac
        mounts+=("$target")
    done
}

# The command that runs $3 in root $1 as its user $2, in $shell.
root_shell() {
    local home=/root ids
    [ "$2" = root ] || home=/home/$2
    ids=$(chroot "$1" id -u "$2"):$(chroot "$1" id -g "$2")
    shell=(chroot --userspec="$ids" "$1" /usr/bin/env -i HOME="$home"
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
        DISPLAY="$display" XAUTHORITY=/tmp/Xauthority bash -c "cd && $3")
}

# Runs $3 in root $1 as user $2; its output goes to $work/<log name $4>.
in_root() {
    root_shell "$@"
    "${shell[@]}" >"$work/$4" 2>&1
}

# Starts $3 as in_root does, in a process group of its own that stop_program
# ends.
start_in_root() {
    root_shell "$@"
    setsid "${shell[@]}" >"$work/$4" 2>&1 &
    programs+=($!)
}

# Waits until the last program started shows the main window, for at most $1
# seconds, and sets window to its id. Fails with log $2 when the program ends
# first.
wait_for_window() {
    local pid=${programs[-1]} limit=$((SECONDS + $1))
    while [ $SECONDS -lt $limit ]; do
        for window in $(xdotool search --onlyvisible --class '^fotobako$' 2>/dev/null); do
            [ "$(xdotool getwindowname "$window")" != しゃしんばこ ] || return 0
        done
        kill -0 "$pid" 2>/dev/null || fail "the program ended before its window showed" "$work/$2"
        sleep 5
    done
    fail "no window within $1 s" "$work/$2"
}

# The window's title and that the program gave it an icon of its own.
check_window() {
    echo "window: $(xdotool getwindowname "$1")"
    ! xprop -id "$1" _NET_WM_ICON | grep -q 'not found' || fail "the window has no icon of its own"
}

stop_program() {
    kill -- "-${programs[-1]}" 2>/dev/null || true
    wait "${programs[-1]}" 2>/dev/null || true
    unset 'programs[-1]'
}

for n in $(seq 70 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
done
display=:$n
# C.UTF-8 for xdotool to read the window's Japanese title.
export DISPLAY=$display XAUTHORITY=$work/Xauthority LC_ALL=C.UTF-8
touch "$XAUTHORITY" && xauth -q -f "$XAUTHORITY" add "$display" . "$(mcookie)"
Xvfb "$display" -screen 0 1280x1024x24 -auth "$XAUTHORITY" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xserver=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break || sleep 0.2; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start" "$work/xvfb.log"

if [ -z "$deb" ]; then
    step "./run.sh in a plain clone of $(git log -1 --format='%h %s')"
    clean_root builder
    builder=$root
    git clone -q --no-hardlinks "$PWD" "$builder/root/fotobako"
    cp "$XAUTHORITY" "$builder/tmp/Xauthority"
    start_in_root "$builder" root 'cd fotobako && exec ./run.sh' run.log
    wait_for_window 3600 run.log
    check_window "$window"
    stop_program

    step "scripts/package.sh"
    in_root "$builder" root 'cd fotobako && ./scripts/package.sh' package.log ||
        fail "scripts/package.sh" "$work/package.log"
    deb=$(ls "$builder"/root/fotobako/build/fotobako_*.deb)
fi
echo "package: ${deb##*/}"

step "apt-get install ./${deb##*/} in a second clean root"
clean_root user
user_root=$root
cp "$deb" "$user_root/tmp/"
cp "$XAUTHORITY" "$user_root/tmp/Xauthority" && chmod a+r "$user_root/tmp/Xauthority"
in_root "$user_root" root "apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q /tmp/${deb##*/}" \
    install.log || fail "apt-get install" "$work/install.log"
# School-wide settings: the library on D:, which the school maps to /srv/school.
mkdir -p "$user_root/etc/xdg/fotobako" "$user_root/srv/school"
chmod 1777 "$user_root/srv/school"
echo "D: /srv/school" >"$user_root/etc/xdg/fotobako/DRIVES.TXT"
printf 'A:\\\r\nD:\\A_image\\\r\n2002\r\n\r\n 0 \r\n\r\n' >"$user_root/etc/xdg/fotobako/DRVDATA.TXT"
school_files=$(cd "$user_root/etc/xdg/fotobako" && sha256sum ./*)
in_root "$user_root" root 'useradd -m pupil' useradd.log || fail "useradd" "$work/useradd.log"

step "fotobako as a new user"
start_in_root "$user_root" pupil 'exec fotobako' pupil.log
wait_for_window 120 pupil.log
check_window "$window"
stop_program
[ -d "$user_root/srv/school/A_image/2002" ] || fail "the school-wide settings were not read"
[ "$(cd "$user_root/etc/xdg/fotobako" && sha256sum ./*)" = "$school_files" ] ||
    fail "the school-wide folder was written"

step "apt-get purge fotobako"
in_root "$user_root" root 'apt-get purge -y -q fotobako' purge.log || fail "apt-get purge" "$work/purge.log"
for path in usr/bin/fotobako usr/share/doc/fotobako usr/share/applications/jp.fotobako.Fotobako.desktop; do
    [ ! -e "$user_root/$path" ] || fail "/$path is left after purging"
done

elapsed=$((SECONDS - started))
echo "fresh machine check passed in $((elapsed / 60)) min $((elapsed % 60)) s"
