#!/usr/bin/env bash
# Installs the Debian packages that one use of the checkout needs, when any is missing, without
# Recommends. Says in one line what it installs and why; installs nothing when all is there.
#   install-deps.sh program   to build Gridwick and open it: the package's build dependencies
#                             but the test-only ones (build profile nocheck), and the packages
#                             the program itself depends on
#   install-deps.sh screenshot   the same, and a private X server to take its picture
#   install-deps.sh release   for the optimised build's whole suite (tools/build.sh release)
#   install-deps.sh windows   to build gridwick.exe and its installer and try them under Wine
#                             (Debian 13 only: Qt 6.8 for Windows needs its MinGW)
#   install-deps.sh web       to build the web page with Qt for WebAssembly and try it in
#                             headless Chromium, its unit tests under Node.js (Debian 13 only:
#                             Qt for the web is built with its emscripten)
#   install-deps.sh arm64     to cross-build Gridwick and its Debian package for arm64 and try
#                             them under qemu-aarch64 (Debian 13, on an amd64 machine); adds the
#                             arm64 architecture to dpkg
#   install-deps.sh test      for everything the test command runs on this machine: on Debian
#                             12 that leaves Windows and arm64 to a Debian 13 chroot
#   install-deps.sh --download-only USE   fetches what USE would install into apt's cache, and
#                             installs nothing (the Debian 13 chroot's downloads, made early)
# The build dependencies and the program's and its autopkgtest's dependencies are read from
# debian/; this script names only what neither names.
set -euo pipefail
cd "$(dirname "$0")/.."
download_only=()
if [[ ${1:-} == --download-only ]]; then
    download_only=(--download-only)
    shift
fi
use=${1:?"usage: install-deps.sh [--download-only] program|screenshot|release|windows|arm64|web|test"}
# shellcheck source=tools/debian-release.sh
. tools/debian-release.sh

# The package names of a field of a debian/ control file (no substitutions, no @).
names_in() { # FILE FIELD
    sed -n "/^$2:/,/^[A-Z]/p" "$1" | grep -o '^ [a-z0-9][a-z0-9.+-]*' | tr -d ' '
}

# The optimised build's suite beyond the build dependencies and the autopkgtest's.
release_packages=(
    ninja-build pkg-config libbenchmark-dev
    # The end-to-end test on X: a private print scheduler with a PDF printer; the quit question
    # in German and French, with Qt's translations.
    cups-daemon cups-client cups-filters printer-driver-cups-pdf poppler-utils
    locales qt6-translations-l10n
    # The same program as a native Wayland client on a headless compositor.
    weston qt6-wayland
    # The Debian package: its build, Debian's checks of it, its reproducibility and its
    # autopkgtest. Without diffoscope (a Recommends of reprotest's) reprotest still compares,
    # but says only that the packages differ, not where.
    dpkg-dev devscripts lintian autopkgtest reprotest diffoscope-minimal faketime man-db file
    desktop-file-utils appstream
)
# The rest of the test command: the program built with Clang; the style checks; on Debian 12,
# the Debian 13 chroot where Windows is built.
other_packages=(
    clang clang-format clang-tidy clazy python3 shellcheck pyflakes3
)
# gridwick.exe: cross-built with MinGW-w64 against Qt 6.8 for Windows, whose host tools are
# Debian's own Qt (its lrelease among them: the Windows Qt holds qtbase alone); run under Wine,
# whose own fonts (Tahoma among them) come separately, on a private Xvfb with a window manager,
# read by OCR (in English, German and French) and printed to a private CUPS; its installer made
# with wixl.
windows_packages=(
    cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
    g++-mingw-w64-x86-64-posix googletest
    wine64 fonts-wine xz-utils xvfb xauth xdotool x11-utils openbox wmctrl imagemagick python3-pefile
    tesseract-ocr tesseract-ocr-eng tesseract-ocr-deu tesseract-ocr-fra python3-pil wixl locales python3-pytest python3-pytest-timeout
    # Built bit for bit alike: the installer's summary rewritten, a second build varied, and
    # where it differs, said.
    python3-olefile faketime diffoscope-minimal
    cups-daemon cups-client printer-driver-cups-pdf poppler-utils
)
# Gridwick for arm64: cross-built with Debian's cross-compiler against Debian's arm64 Qt,
# installed beside the machine's own (multiarch; Qt's host tools stay the machine's), its tests
# run under qemu-aarch64, its end-to-end scenarios on a private Xvfb with a print scheduler; its
# Debian package's cross build dependencies come with apt-get build-dep below.
arm64_packages=(
    crossbuild-essential-arm64 qemu-user cmake ninja-build qt6-base-dev-tools qt6-tools-dev
    qt6-l10n-tools qt6-base-dev:arm64 qt6-base-private-dev:arm64 qt6-qpa-plugins:arm64
    libgtest-dev:arm64 fonts-urw-base35 qt6-translations-l10n xvfb xauth xdotool x11-utils dbus at-spi2-core
    python3-dogtail python3-pyatspi python3-pytest python3-pytest-timeout locales
    cups-daemon cups-client printer-driver-cups-pdf poppler-utils dpkg-dev devscripts lintian file
    desktop-file-utils appstream man-db
)
# The web page: built with Debian's emscripten against Qt for WebAssembly, whose host tools are
# Debian's own Qt (lrelease, and Qt's translations for the standard buttons); its unit tests run
# under Node.js; the page is tried in Debian's Chromium through Selenium, the boxes read by OCR,
# what it prints by poppler; its sizes measured with gzip and brotli.
web_packages=(
    emscripten nodejs cmake ninja-build xz-utils googletest qt6-base-dev qt6-base-dev-tools
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    chromium chromium-driver python3-selenium python3-pytest python3-pytest-timeout python3-pil
    tesseract-ocr tesseract-ocr-eng tesseract-ocr-deu tesseract-ocr-fra poppler-utils brotli
)
# What builds for other machines needs this one to be amd64: Wine runs on it alone.
cross_builds=false
if ((GRIDWICK_DEBIAN_RELEASE >= 13)) && [[ $(dpkg --print-architecture) == amd64 ]]; then
    cross_builds=true
fi

mapfile -t packages < <(names_in debian/control Depends)
profile=(-P nocheck)
case $use in
program)
    why="to build Gridwick"
    packages+=(ninja-build)
    ;;
screenshot)
    why="to build Gridwick and take its picture"
    packages+=(ninja-build xvfb xauth xdotool imagemagick)
    ;;
release | test)
    why="for the tests"
    profile=()
    packages+=("${release_packages[@]}")
    mapfile -t -O "${#packages[@]}" packages < <(names_in debian/tests/control Depends)
    if [[ $use == test ]]; then
        packages+=("${other_packages[@]}")
        if $cross_builds; then
            packages+=("${windows_packages[@]}" "${arm64_packages[@]}" "${web_packages[@]}")
        elif ((GRIDWICK_DEBIAN_RELEASE < 13)); then
            packages+=(debootstrap)
        fi
    fi
    ;;
windows)
    why="for Gridwick for Windows"
    packages=("${windows_packages[@]}")
    ;;
arm64)
    why="for Gridwick for arm64"
    packages=("${arm64_packages[@]}")
    ;;
web)
    why="for Gridwick in the browser"
    packages=("${web_packages[@]}")
    ;;
*)
    echo "install-deps.sh: unknown use '$use': program, screenshot, release, windows, arm64, web or test" >&2
    exit 2
    ;;
esac

# Each missing package once, though several uses name it.
missing=()
declare -A named
for package in "${packages[@]}"; do
    if [[ -z ${named[$package]:-} ]] \
        && ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
    named[$package]=1
done
# Whether debian/control's Build-Depends are met, by dpkg-checkbuilddeps' status (unknown, so
# unmet, while dpkg-dev is missing); apt-get build-dep works out what they lack.
build_deps_unmet() { # PROFILE...
    ! { command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps "$@" >/dev/null 2>&1; }
}
build_deps_unmet=false
if [[ $use != windows && $use != arm64 && $use != web ]] && build_deps_unmet "${profile[@]}"; then
    build_deps_unmet=true
fi
# The arm64 package's: the same, for arm64, as a cross build without its tests.
cross_profile=(-a arm64 -P "cross,nocheck")
arm64=false
if [[ $use == arm64 ]] || { [[ $use == test ]] && $cross_builds; }; then
    arm64=true
fi
cross_build_deps_unmet=false
if $arm64 && { ! dpkg --print-foreign-architectures | grep -qx arm64 || build_deps_unmet "${cross_profile[@]}"; }; then
    cross_build_deps_unmet=true
fi

# Installing takes root: a person at a desktop has it through sudo.
as_root=()
through=
if ((EUID != 0)); then
    as_root=(sudo)
    through=", through sudo"
fi
become_root() {
    if ((EUID != 0)) && ! { command -v sudo >/dev/null && sudo -v; }; then
        echo "install-deps.sh: installing needs root: run it as root, or as a user who may use sudo" >&2
        exit 1
    fi
}

if ((${#missing[@]} > 0)) || $build_deps_unmet || $cross_build_deps_unmet; then
    what=("${missing[@]}")
    if $build_deps_unmet || $cross_build_deps_unmet; then
        what+=("${missing[*]:+and }the build dependencies that are missing")
    fi
    echo "${download_only[*]:+Downloading}${download_only[*]:-Installing} $why$through, without Recommends: ${what[*]}"
    become_root
    mkdir -p build
    log=build/install-deps.log
    apt_get=("${as_root[@]}" apt-get -y -q --no-install-recommends "${download_only[@]}")
    {
        export DEBIAN_FRONTEND=noninteractive
        if $arm64; then
            "${as_root[@]}" dpkg --add-architecture arm64
        fi
        "${as_root[@]}" apt-get update -q
        if ((${#missing[@]} > 0)); then
            "${apt_get[@]}" install "${missing[@]}"
        fi
        if $build_deps_unmet; then
            "${apt_get[@]}" build-dep "${profile[@]}" ./
        fi
        if $cross_build_deps_unmet; then
            "${apt_get[@]}" build-dep "${cross_profile[@]}" ./
        fi
    } >"$log" 2>&1 || { tail -n 30 "$log"; exit 1; }
fi

if [[ $use != program && $use != screenshot && $use != web && -z ${download_only[*]} ]]; then
    # The quit question is tried in German and French (the page's in the browser's languages).
    for locale in de_DE fr_FR; do
        if ! locale -a | grep -qx "$locale.utf8"; then
            become_root
            "${as_root[@]}" sed -i "s/^# *\($locale.UTF-8 UTF-8\)/\1/" /etc/locale.gen
            "${as_root[@]}" locale-gen >/dev/null
        fi
    done
fi
