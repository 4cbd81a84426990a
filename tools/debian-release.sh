# shellcheck shell=bash
# Sourced by the set-up scripts: which Debian release the set-up takes this machine for, decided
# here alone and once per command (the scripts it starts inherit the answer). Sets
# GRIDWICK_DEBIAN_RELEASE to 12 or 13. Debian 12 "bookworm" and 13 "trixie" are known; any other
# system (Debian testing or unstable, a derivative) is set up as Debian 12 is, which leaves the
# Windows part to a Debian 13 chroot, and is told so in one line.
if [[ -z ${GRIDWICK_DEBIAN_RELEASE:-} ]]; then
    GRIDWICK_DEBIAN_RELEASE=$(
        # shellcheck source=/dev/null # the system's own
        . /etc/os-release
        case ${ID:-}:${VERSION_CODENAME:-} in
        debian:bookworm) echo 12 ;;
        debian:trixie) echo 13 ;;
        *)
            echo "Gridwick's set-up knows Debian 12 and 13, not ${PRETTY_NAME:-this system}:" \
                "it sets it up as Debian 12, with Windows built in a Debian 13 chroot" >&2
            echo 12
            ;;
        esac
    )
    export GRIDWICK_DEBIAN_RELEASE
fi
