#!/usr/bin/env bash
# Puts Qt 6.8.2 for Windows (x86-64, MinGW-w64, static, with Qt's translations) in
# build/qt6-windows/qt6-win, where the windows preset looks for it. Debian 13 only: its static
# libraries link only with Debian 13's MinGW (GCC 14), and Debian 12's mingw-w64 headers are
# too old to build it. It comes from the prebuilt archive beside the checkout when that is there
# and its sha256 matches; otherwise it is built from Debian 13's own qt6-base source (half an
# hour or more on 2 cores). Does nothing once Qt is in place.
#   qt-for-windows.sh           puts Qt in place
#   qt-for-windows.sh archive   prints where the prebuilt archive is, if it is anywhere
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
prefix=$project/build/qt6-windows/qt6-win
# shellcheck source=tools/prebuilt-qt.sh
. tools/prebuilt-qt.sh
archive=${GRIDWICK_QT_WINDOWS_ARCHIVE:-$(prebuilt_qt_archive shared/qt6-windows/qt6-win-6.8.2-mingw-static.tar.xz)}
sha256=b2ca22931e1f139c940a4b3367e8917a41228061fe5e8ce80db708eb86f99fad

if [[ ${1:-} == archive ]]; then
    [[ -f $archive ]] && realpath "$archive"
    exit 0
fi
if [[ -e $prefix/lib/cmake/Qt6/Qt6Config.cmake ]] \
    || unpack_prebuilt_qt "$archive" "$sha256" "$prefix" "Qt for Windows"; then
    exit 0
fi

echo "Building Qt for Windows from Debian's qt6-base source"
work=$project/build/qt6-windows/source
source_tree=$(fetch_qt_source "$work")
# -no-feature-tabletevent: Debian's source drops wintab. -qt-freetype: the offscreen platform,
# which the window tests use, is built on Windows only with FreeType. Stack clash protection
# off: GCC's MinGW target stops on it with an internal compiler error.
(cd "$work/build" && "$source_tree/configure" \
    -prefix "$prefix" \
    -release -static \
    -platform win32-g++ \
    -qt-host-path /usr \
    -nomake tests -nomake examples \
    -no-opengl -no-dbus -no-icu -no-glib \
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent \
    -no-feature-vulkan -no-feature-tabletevent \
    -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -qt-freetype -no-libjpeg -no-gif \
    -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DFEATURE_stack_clash_protection=OFF \
    && cmake --build . --parallel "$(nproc)" && cmake --install .)
# Qt's own translations, which gridwick.exe carries (qt6-translations-l10n).
mkdir -p "$prefix/translations"
cp /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
rm -rf "$work"
