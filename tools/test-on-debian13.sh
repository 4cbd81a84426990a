#!/usr/bin/env bash
# What Debian 12 cannot do itself, on Debian 13 "trixie": the optimised build's whole suite, the
# package test included, on Debian 13's Qt 6.8; and gridwick.exe, built against Qt 6.8 for
# Windows and tried under Wine (the windows workflow). In a minimal chroot under build/debian13,
# made with debootstrap on first use and reused after.
#   test-on-debian13.sh prepare   makes the chroot and installs what both need in it with the
#                                 project's own set-up (mostly downloads: the test command runs
#                                 it beside the host's builds)
#   test-on-debian13.sh           prepares if needed, then runs the suite and the workflow
#   test-on-debian13.sh windows   the same, the workflow alone
#   test-on-debian13.sh bench-windows   the start-up benchmark of gridwick.exe under Wine
# Each step copies the tracked files in afresh, keeping only Qt for Windows from the last run.
# What it mounts, it unmounts on every way out.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD/build/debian13/root
step=${1:-test}

if [[ ! -e $root/.made ]]; then
    rm -rf "$root"
    mkdir -p "$root"
    echo "=== Debian 13: debootstrap trixie into $root"
    debootstrap --variant=minbase --include=git trixie "$root" http://deb.debian.org/debian >"$root.log" 2>&1 \
        || { tail -n 20 "$root.log"; exit 1; }
    touch "$root/.made"
fi

mounted=()
# shellcheck disable=SC2317 # called by the trap below
unmount_all() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[i]}" 2>/dev/null || true
    done
}
trap unmount_all EXIT
trap 'exit 1' INT TERM # so that a stopped run unmounts too
mount_into() { # TYPE TARGET [OPTIONS]
    mount -t "$1" "$1" "$root$2" ${3:+-o "$3"}
    mounted+=("$root$2")
}
mount_into proc /proc
mount_into sysfs /sys
mount_into devtmpfs /dev
mount_into devpts /dev/pts gid=5,mode=620,newinstance,ptmxmode=0666
mount_into tmpfs /dev/shm
mount_into tmpfs /tmp mode=1777
mount_into tmpfs /run mode=755
cp /etc/resolv.conf "$root/etc/resolv.conf"

source=$root/src/gridwick
qt_windows=build/qt6-windows
if [[ -d $source/$qt_windows ]]; then
    mv "$source/$qt_windows" "$root/src/qt6-windows.kept"
fi
rm -rf "$source"
mkdir -p "$source/build"
git ls-files -z | tar --null -T - -c | tar -x -C "$source"
if [[ -d $root/src/qt6-windows.kept ]]; then
    mv "$root/src/qt6-windows.kept" "$source/$qt_windows"
fi
# The prebuilt Qt for Windows, where tools/qt-for-windows.sh looks beside the copy.
archive=$(bash tools/qt-for-windows.sh archive)
if [[ -n $archive ]]; then
    mkdir -p "$root/src/shared/qt6-windows"
    cp -u "$archive" "$root/src/shared/qt6-windows/"
fi

in_chroot() { # SCRIPT: runs in the copy of the source, which is made a git work tree
    chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 TERM=dumb CI="${CI:-}" bash -euo pipefail -c "
            cd /src/gridwick
            git init -q && git add -A
            $1"
}

echo "=== Debian 13: set-up"
in_chroot '
    { bash tools/install-deps.sh release && bash tools/install-deps.sh windows; } \
        >/var/log/gridwick-install.log 2>&1 || { tail -n 30 /var/log/gridwick-install.log; exit 1; }'
if [[ $step == prepare ]]; then
    echo "=== Debian 13: ready in $SECONDS s"
    exit 0
fi

if [[ $step == bench-windows ]]; then
    in_chroot 'bash tools/bench.sh windows'
    exit
fi
if [[ $step != windows ]]; then
    echo "=== Debian 13: build and the optimised build's suite"
    # shellcheck disable=SC2016 # expanded inside the chroot
    in_chroot '
        . /etc/os-release && echo "$PRETTY_NAME"
        # The 100,000-action soak runs on the host; what this release changes is Qt, which a
        # 10,000-action soak meets at every command, as the sanitizer and Clang builds do.
        cmake --preset release -DGRIDWICK_SOAK_ACTIONS=10000 >/dev/null
        bash tools/build.sh release >/dev/null
        ctest --preset release'
fi
echo "=== Debian 13: Gridwick for Windows"
in_chroot '
    bash tools/qt-for-windows.sh
    cmake --workflow --preset windows'
echo "=== Debian 13: passed in $SECONDS s"
