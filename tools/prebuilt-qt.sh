# shellcheck shell=bash
# Sourced by qt-for-windows.sh and qt-for-wasm.sh, run from the checkout's top: where a prebuilt
# Qt archive is, its unpacking once its sha256 matches, and Debian 13's own qt6-base source, from
# which the same Qt is built where the archive is missing.
qt_source_version=6.8.2+dfsg-9+deb13u2

# The archive's path beside this checkout, or beside the one it was cloned from (a fresh clone
# elsewhere), whether or not it is there.
prebuilt_qt_archive() { # NAME (its path under the checkout's parent)
    local archive=$PWD/../$1 origin
    origin=$(git remote get-url origin 2>/dev/null || true)
    if [[ ! -f $archive && -d $origin ]]; then
        archive=$origin/../$1
    fi
    echo "$archive"
}

# Unpacks the archive beside PREFIX, which it holds, when it is there with the sha256 given.
unpack_prebuilt_qt() { # ARCHIVE SHA256 PREFIX WHAT
    [[ -f $1 ]] || return 1
    if ! echo "$2  $1" | sha256sum --check --status; then
        echo "$1 does not have the sha256 $2; building Qt instead" >&2
        return 1
    fi
    echo "Unpacking $4 from $1"
    mkdir -p "$(dirname "$3")"
    tar -xJf "$1" -C "$(dirname "$3")"
}

# Debian 13's qt6-base source, fetched into an empty WORK from the mirror this machine's apt
# uses; prints the source tree's folder.
fetch_qt_source() { # WORK
    local sources=/etc/apt/sources.list.d/gridwick-trixie-source.sources mirror
    rm -rf "$1"
    mkdir -p "$1/build"
    if [[ ! -e $sources ]]; then
        mirror=$(bash tools/debian-mirror.sh)
        printf '%s\n' 'Types: deb-src' "URIs: $mirror" \
            'Suites: trixie trixie-updates' 'Components: main' \
            'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' >"$sources"
        apt-get update -q >&2
    fi
    (cd "$1" && apt-get source -q "qt6-base=$qt_source_version" >&2)
    echo "$1"/qt6-base-*/
}
