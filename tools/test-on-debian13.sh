#!/usr/bin/env bash
# The README's two commands on Debian 13 "trixie", as a new user runs them on a machine that
# builds software: in a minimal Debian 13 with build-essential and git, `bash tools/run.sh
# --version`, then `bash tools/test.sh` (there: the optimised, sanitizer, Clang, Windows, arm64
# and web workflows and the style checks). Debian 12 cannot build gridwick.exe; this is how its test
# command does.
#   test-on-debian13.sh prepare   makes that Debian 13 image under build/debian13 with
#                                 debootstrap (once, kept), and fetches what the two commands
#                                 will install into a package cache kept beside it (mostly
#                                 downloading: the test command runs it beside the host's builds)
#   test-on-debian13.sh           the two commands
#   test-on-debian13.sh windows   the project's set-up for Windows, then the windows workflow
#   test-on-debian13.sh web       the project's set-up for the web, then the wasm workflow; the
#                                 page, its zip and SHA256SUMS are put in build/wasm here
#   test-on-debian13.sh bench-web   the web page's benchmarks
#   test-on-debian13.sh bench-windows   the start-up benchmark of gridwick.exe under Wine
# Each step runs in a fresh copy of the image, with the tracked files copied in, so that nothing
# installed by an earlier run is there. What it mounts, it unmounts on every way out.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$PWD/build/debian13
image=$work/image
root=$work/root
step=${1:-test}

if [[ ! -e $image/.made ]]; then
    rm -rf "$image"
    mkdir -p "$image"
    # From the mirror this machine's apt uses: the image's own sources name it too.
    mirror=$(bash tools/debian-mirror.sh)
    echo "=== Debian 13: debootstrap trixie from $mirror into $image"
    debootstrap --variant=minbase --include=build-essential,git trixie "$image" \
        "$mirror" >"$work/debootstrap.log" 2>&1 \
        || { tail -n 20 "$work/debootstrap.log"; exit 1; }
    rm -f "$image"/var/cache/apt/archives/*.deb
    touch "$image/.made"
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

# Never remove through a mount a stopped run left behind (its /dev is the host's).
{ grep -o " $root/[^ ]*" /proc/mounts || true; } | sort -r | xargs -r umount -l
rm -rf --one-file-system "$root"
cp -a "$image" "$root"
mount_into proc /proc
mount_into sysfs /sys
mount_into devtmpfs /dev
mount_into devpts /dev/pts gid=5,mode=620,newinstance,ptmxmode=0666
mount_into tmpfs /dev/shm
mount_into tmpfs /tmp mode=1777
mount_into tmpfs /run mode=755
# The packages, downloaded once: apt installs from its cache what it finds there.
mkdir -p "$work/apt-archives"
mount --bind "$work/apt-archives" "$root/var/cache/apt/archives"
mounted+=("$root/var/cache/apt/archives")
cp /etc/resolv.conf "$root/etc/resolv.conf"
# A minimal image has no hosts file, which a machine has: without it "localhost", where the web
# tests reach chromedriver, names no address.
printf '127.0.0.1 localhost\n::1 localhost ip6-localhost ip6-loopback\n' >"$root/etc/hosts"

source=$root/src/gridwick
mkdir -p "$source"
git ls-files -z | tar --null -T - -c | tar -x -C "$source"
# The prebuilt Qts for Windows and the web, where tools/qt-for-windows.sh and qt-for-wasm.sh
# look beside the copy.
for platform in windows wasm; do
    archive=$(bash "tools/qt-for-$platform.sh" archive)
    if [[ -n $archive ]]; then
        mkdir -p "$root/src/shared/qt6-$platform"
        cp "$archive" "$root/src/shared/qt6-$platform/"
    fi
done

in_chroot() { # SCRIPT: runs in the copy of the source, which is made a git work tree
    chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 TERM=dumb CI="${CI:-}" bash -euo pipefail -c "
            cd /src/gridwick
            git init -q && git add -A
            $1"
}

case $step in
prepare)
    in_chroot '
        bash tools/install-deps.sh --download-only test >/var/log/gridwick-download.log 2>&1 \
            || { tail -n 30 /var/log/gridwick-download.log; exit 1; }'
    echo "=== Debian 13: image and downloads ready in $SECONDS s"
    ;;
test)
    echo "=== Debian 13: bash tools/run.sh --version"
    in_chroot 'bash tools/run.sh --version' | tee "$work/run.log"
    version=$(sed -n 's/^set(GRIDWICK_DISPLAY_VERSION "\(.*\)")$/\1/p' CMakeLists.txt)
    if [[ $(tail -n 1 "$work/run.log") != "Gridwick $version" ]]; then
        echo "Debian 13: run.sh --version did not answer Gridwick $version" >&2
        exit 1
    fi
    echo "=== Debian 13: bash tools/test.sh"
    in_chroot 'bash tools/test.sh'
    echo "=== Debian 13: passed in $SECONDS s"
    ;;
windows)
    in_chroot '
        bash tools/install-deps.sh windows
        bash tools/qt-for-windows.sh
        cmake --workflow --preset windows'
    ;;
bench-windows)
    in_chroot 'bash tools/bench.sh windows'
    ;;
web)
    in_chroot '
        bash tools/install-deps.sh web
        bash tools/qt-for-wasm.sh
        cmake --workflow --preset wasm'
    rm -rf build/wasm
    mkdir -p build/wasm
    cp -a "$source"/build/wasm/{web,gridwick-*-web.zip,SHA256SUMS} build/wasm/
    ;;
bench-web)
    in_chroot 'bash tools/bench.sh web'
    ;;
*)
    echo "test-on-debian13.sh: unknown step '$step': prepare, test, windows, web, bench-windows or bench-web" >&2
    exit 2
    ;;
esac
