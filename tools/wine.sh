# shellcheck shell=bash
# Sourced where gridwick.exe runs under Wine: the loader, and a prefix with Wine's fonts where
# Windows keeps its own. Debian's Wine leaves the fonts it ships (Tahoma, and MS Sans Serif's
# bitmap face) in /usr/share/wine/fonts, where its programs do not find them; the prefix gets
# copies in C:\windows\Fonts, as a Windows system has them.
wine=/usr/lib/wine/wine64
export WINEDEBUG=-all

prepare_wine_prefix() {
    local prefix=${WINEPREFIX:-$HOME/.wine}
    [[ -e $prefix/system.reg ]] || timeout 120 "$wine" wineboot --init >/dev/null 2>&1 || return 1
    cp -n /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
}
