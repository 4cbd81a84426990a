#!/usr/bin/env bash
# Puts Qt 6.8.2 for WebAssembly (wasm32, Emscripten, static, single-threaded, with asyncify so
# that modal boxes and menus run nested event loops) in build/qt6-wasm/qt6-wasm, where the wasm
# preset looks for it. Debian 13 only: it is built with, and must be used with, Debian 13's
# emscripten 3.1.69. It comes from the prebuilt archive beside the checkout when that is there
# and its sha256 matches; otherwise it is built from Debian 13's own qt6-base source (about a
# quarter of an hour on 2 cores). Does nothing once Qt is in place.
#   qt-for-wasm.sh           puts Qt in place
#   qt-for-wasm.sh archive   prints where the prebuilt archive is, if it is anywhere
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
prefix=$project/build/qt6-wasm/qt6-wasm
# shellcheck source=tools/prebuilt-qt.sh
. tools/prebuilt-qt.sh
archive=${GRIDWICK_QT_WASM_ARCHIVE:-$(prebuilt_qt_archive shared/qt6-wasm/qt6-wasm-6.8.2-static.tar.xz)}
sha256=be8efa88cebb25da5a007f4116f12ce6605a33cb865b9bdccc50bc17731db15d

if [[ ${1:-} == archive ]]; then
    [[ -f $archive ]] && realpath "$archive"
    exit 0
fi
if [[ -e $prefix/lib/cmake/Qt6/Qt6Config.cmake ]] \
    || unpack_prebuilt_qt "$archive" "$sha256" "$prefix" "Qt for WebAssembly"; then
    exit 0
fi

echo "Building Qt for WebAssembly from Debian's qt6-base source"
work=$project/build/qt6-wasm/source
source_tree=$(fetch_qt_source "$work")
# Qt's configure finds Emscripten through EMSDK; Debian's has no EMSCRIPTEN_ROOT line, so Qt
# takes /usr/share/emscripten's own compiler and toolchain file. Asyncify: QDialog::exec,
# QMessageBox::exec and QMenu::exec run nested event loops. Single-threaded: no
# SharedArrayBuffer, so no special headers on the server. OpenGL stays on: the wasm platform's
# backing store, which widgets draw through, needs it.
export EMSDK=/usr/share/emscripten
(cd "$work/build" && "$source_tree/configure" \
    -prefix "$prefix" \
    -release -static \
    -platform wasm-emscripten \
    -qt-host-path /usr \
    -nomake tests -nomake examples -no-feature-thread \
    -device-option QT_EMSCRIPTEN_ASYNCIFY=1 \
    -no-dbus -no-icu -no-glib \
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent \
    -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -qt-freetype -no-libjpeg -no-gif \
    -- -G Ninja \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    && cmake --build . --parallel "$(nproc)" && cmake --install .)
rm -rf "$work"
