#!/usr/bin/env bash
# Installs the Debian packages that building and testing Gridwick need, when any is missing.
# Quick and silent when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libbenchmark-dev
    qt6-base-dev libqt6printsupport6
    # The window's face: Nimbus Sans stands in for MS Sans Serif.
    fonts-urw-base35
    # The end-to-end test: a private X server, real input, the accessibility bus, and a
    # private print scheduler with a PDF printer.
    xvfb xdotool x11-utils dbus at-spi2-core python3-pyatspi
    cups-daemon cups-client cups-filters printer-driver-cups-pdf poppler-utils
    # The same program as a native Wayland client on a headless compositor.
    weston qt6-wayland
    # The Debian package: its build, Debian's checks of it (lintian, hardening-check, the
    # manual page, the desktop files) and its autopkgtest on a private X server.
    build-essential dpkg-dev debhelper lintian devscripts autopkgtest man-db xauth
    file desktop-file-utils appstream
    # Other compilers: the whole program with Clang; the runtime and tally for Windows with
    # MinGW-w64, GoogleTest from its sources, the tests run under Wine.
    clang g++-mingw-w64-x86-64-posix googletest wine64
    # Style checks.
    clang-format clang-tidy python3 shellcheck pyflakes3
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q "${missing[@]}"
fi
