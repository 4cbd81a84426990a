#!/usr/bin/env bash
# Puts Qt 6.4.2 for Windows (x86-64, MinGW-w64, static) in build/qt6-windows/qt6-win, where the
# windows preset looks for it. It comes from the prebuilt archive beside the checkout when that
# is there and its sha256 matches; otherwise it is built from Debian 12's own qt6-base source
# (about 25 minutes on 2 cores). Does nothing once Qt is in place.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
prefix=$project/build/qt6-windows/qt6-win
# Beside this checkout, or beside the one it was cloned from (a fresh clone elsewhere).
name=shared/qt6-windows/qt6-win-6.4.2-mingw-static.tar.xz
archive=${GRIDWICK_QT_WINDOWS_ARCHIVE:-$project/../$name}
origin=$(git remote get-url origin 2>/dev/null || true)
if [[ ! -f $archive && -d $origin ]]; then
    archive=$origin/../$name
fi
sha256=fa631a164e47e871a40e7b78a202425d3302bd522ce2c3e17fd763cd8e190335

if [[ -e $prefix/lib/cmake/Qt6/Qt6Config.cmake ]]; then
    exit 0
fi
mkdir -p "$(dirname "$prefix")"

if [[ -f $archive ]]; then
    if echo "$sha256  $archive" | sha256sum --check --status; then
        echo "Unpacking Qt for Windows from $archive"
        tar -xJf "$archive" -C "$(dirname "$prefix")"
        exit 0
    fi
    echo "$archive does not have the sha256 $sha256; building Qt instead" >&2
fi

echo "Building Qt for Windows from Debian's qt6-base source"
work=$project/build/qt6-windows/source
rm -rf "$work"
mkdir -p "$work/build"
sources=/etc/apt/sources.list.d/gridwick-bookworm-source.sources
if [[ ! -e $sources ]]; then
    printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm' \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' >"$sources"
    apt-get update -q
fi
(cd "$work" && apt-get source -q qt6-base=6.4.2+dfsg-10)
source_tree=$(echo "$work"/qt6-base-*/)
(cd "$work/build" && "$source_tree/configure" \
    -prefix "$prefix" \
    -release -static \
    -platform win32-g++ \
    -qt-host-path /usr \
    -nomake tests -nomake examples \
    -no-opengl -no-dbus -no-icu -no-glib \
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent -no-feature-testlib \
    -no-feature-vulkan -no-feature-tabletevent \
    -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -no-freetype -no-libjpeg -no-gif \
    -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    && cmake --build . --parallel "$(nproc)" && cmake --install .)
rm -rf "$work"
