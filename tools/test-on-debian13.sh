#!/usr/bin/env bash
# The optimised build's whole suite, the package test included, on Debian 13 "trixie": in a
# minimal chroot under build/debian13, made with debootstrap on first use and reused after.
#   test-on-debian13.sh prepare   makes the chroot and installs what the suite needs in it
#                                 with the project's own set-up (mostly downloads: the test
#                                 command runs it beside the host's builds)
#   test-on-debian13.sh           prepares if needed, then builds and runs the suite
# Each step copies the tracked files in afresh. What it mounts, it unmounts on every way out.
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

rm -rf "$root/src/gridwick"
mkdir -p "$root/src/gridwick"
git ls-files -z | tar --null -T - -c | tar -x -C "$root/src/gridwick"

in_chroot() { # SCRIPT: runs in the copy of the source, which is made a git work tree
    chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 TERM=dumb CI="${CI:-}" bash -euo pipefail -c "
            cd /src/gridwick
            git init -q && git add -A
            $1"
}

echo "=== Debian 13: set-up"
in_chroot '
    bash tools/install-deps.sh release >/var/log/gridwick-install.log 2>&1 \
        || { tail -n 30 /var/log/gridwick-install.log; exit 1; }'
if [[ $step == prepare ]]; then
    echo "=== Debian 13: ready in $SECONDS s"
    exit 0
fi

echo "=== Debian 13: build and the optimised build's suite"
# shellcheck disable=SC2016 # expanded inside the chroot
in_chroot '
    . /etc/os-release && echo "$PRETTY_NAME"
    # The 100,000-action soak runs on the host; what this release changes is Qt, which a
    # 10,000-action soak meets at every command, as the sanitizer and Clang builds do.
    cmake --preset release -DGRIDWICK_SOAK_ACTIONS=10000 >/dev/null
    bash tools/build.sh release >/dev/null
    ctest --preset release'
echo "=== Debian 13: passed in $SECONDS s"
