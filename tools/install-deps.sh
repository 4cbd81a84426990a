#!/usr/bin/env bash
# Installs the Debian packages that building and testing Gridwick need, when any is missing.
# Quick and silent when everything is already there. The package's build dependencies and its
# autopkgtest's dependencies come from debian/; this script names only what neither does.
#   install-deps.sh           everything the test command uses
#   install-deps.sh release   only what the optimised build's suite uses (the Debian 13 run)
set -euo pipefail
cd "$(dirname "$0")/.."

# What the optimised build's suite needs beyond debian/control and debian/tests/control.
release_packages=(
    ninja-build g++ pkg-config libbenchmark-dev
    # The end-to-end test on X: a private print scheduler with a PDF printer; the quit question
    # in German, with Qt's translations.
    cups-daemon cups-client cups-filters printer-driver-cups-pdf poppler-utils
    locales qt6-translations-l10n
    # The same program as a native Wayland client on a headless compositor.
    weston qt6-wayland
    # The Debian package: its build, Debian's checks of it and its autopkgtest.
    build-essential dpkg-dev devscripts lintian autopkgtest reprotest faketime man-db file
    desktop-file-utils appstream
)
# The rest of the test command: the program built with Clang; the runtime, the tally and the
# program built for Windows with MinGW-w64 and run under Wine; the Debian 13 chroot; the style
# checks.
other_packages=(
    clang g++-mingw-w64-x86-64-posix googletest wine64 xz-utils imagemagick python3-pefile
    debootstrap
    clang-format clang-tidy clazy python3 shellcheck pyflakes3
)

packages=("${release_packages[@]}")
if [[ ${1:-} != release ]]; then
    packages+=("${other_packages[@]}")
fi
# The autopkgtest's Depends, but for the package itself (@).
mapfile -t -O "${#packages[@]}" packages < <(
    sed -n '/^Depends:/,/^[A-Z]/p' debian/tests/control | grep -o '^ [a-z0-9][a-z0-9.+-]*' | tr -d ' ')

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

export DEBIAN_FRONTEND=noninteractive
if ((${#missing[@]} > 0)) || ! dpkg-checkbuilddeps >/dev/null 2>&1; then
    echo "Installing: the build dependencies ${missing[*]}"
    apt-get update -q
    apt-get install -y -q "${missing[@]}"
    apt-get build-dep -y -q ./
fi

# The quit question is tried in German and French.
for locale in de_DE fr_FR; do
    if ! locale -a | grep -qx "$locale.utf8"; then
        sed -i "s/^# *\($locale.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        locale-gen >/dev/null
    fi
done
