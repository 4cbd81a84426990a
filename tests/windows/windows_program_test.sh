#!/usr/bin/env bash
# The program as Windows users get it, tried under Wine: what the zip holds, the three downloads
# built alike a second time, varied, that gridwick.exe needs no DLL beside it, both Windows
# styles linked in, its version on the command line and in its version record, a pick in its
# window on a private Xvfb told to UI Automation, every caption of the window drawn whole, and
# the quit question's buttons in German and French. Every wait is bounded; the program is ended
# by its pid. Then the installer, in a fresh prefix of its own: installed, run, upgraded and
# removed with Wine's msiexec.
# Usage: windows_program_test.sh GRIDWICK_EXE ZIP ASK_FOR_PROVIDER_EXE MSI WINDOWS_PACKAGING_DIR
# with GRIDWICK_VERSION and GRIDWICK_DISPLAY_VERSION set to the project's version and the shown one,
# GRIDWICK_RELEASE_EPOCH to the release time.
set -uo pipefail
exe=$(realpath "$1")
zip=$(realpath "$2")
ask_for_provider=$(realpath "$3")
msi=$(realpath "$4")
packaging=$(realpath "$5")
version=${GRIDWICK_VERSION:?} # 1.0.0.0
shown=${GRIDWICK_DISPLAY_VERSION:?} # 1.00
epoch=${GRIDWICK_RELEASE_EPOCH:?} # the release date's midnight, UTC
here=$(dirname "$(realpath "$0")")
# shellcheck source-path=SCRIPTDIR source=../e2e/processes.sh
source "$here/../e2e/processes.sh"
# shellcheck source-path=SCRIPTDIR source=wine.sh
source "$here/wine.sh"
# shellcheck source-path=SCRIPTDIR source=../checks.sh
source "$here/../checks.sh"

SHOW=1 check "the zip holds gridwick.exe, LICENSE and README.txt" bash -c "
    /usr/bin/python3 -m zipfile -l '$zip'
    [[ \$(/usr/bin/python3 -c 'import sys, zipfile; print(*sorted(zipfile.ZipFile(sys.argv[1]).namelist()))' '$zip') \
        == 'LICENSE README.txt gridwick.exe' ]]"

SHOW=1 check "gridwick.exe, the zip and the MSI built again, varied, are the same bit for bit" \
    bash "$here/rebuilt_alike.sh" "$packaging/../.." "$(dirname "$zip")"

# Only what Windows itself has (Wine's copies of its system libraries, and its API sets): no
# Qt, C++ runtime or MinGW DLL has to come with it.
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
needs_only_system_dlls() {
    ls -l "$exe"
    local dll missing=0
    for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u); do
        if [[ -e $system_dlls/$dll || $dll == api-ms-win-* ]]; then
            echo "  $dll"
        else
            echo "  $dll: not a library of Windows"
            missing=1
        fi
    done
    ((missing == 0))
}
SHOW=1 check "gridwick.exe needs no DLL but Windows' own" needs_only_system_dlls

# Qt picks windows11 on Windows 11 and windowsvista below; the plugin's metadata names both.
check "gridwick.exe holds both Windows styles, windows11 and windowsvista" bash -c "
    grep -qa windows11 '$exe' && grep -qa windowsvista '$exe'"

check "--version under Wine prints Gridwick $shown" bash -c "
    answer=\$(timeout 60 '$wine' '$exe' --version | tr -d '\r')
    echo \"\$answer\"
    [[ \$answer == 'Gridwick $shown' ]]"

SHOW=1 check "the version record says $version, $shown, Gridwick, gridwick.exe, with the icon" bash -c "
    /usr/bin/python3 '$here/version_record.py' '$exe' | tee '$work/record'
    for line in 'fixed FileVersion: $version' 'fixed ProductVersion: $version' \
        'FileVersion: $version' 'ProductVersion: $shown' 'ProductName: Gridwick' \
        'InternalName: Gridwick' 'OriginalFilename: gridwick.exe' 'icon groups: 1'; do
        grep -qx \"\$line\" '$work/record' || { echo \"missing: \$line\"; exit 1; }
    done"

# The score and picks boxes, in the window's picture; the menu bar and PICK!! (whose access
# keys Alt underlines) are left out.
boxes_picture() { # WINDOW FILE
    import -window "$1" -crop 140x300+0+40 +repage "$2"
}

# The first visible window whose title matches, waited for up to a minute.
window_titled() { # REGEX
    local id
    for _ in $(seq 120); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [[ -n $id ]] && echo "$id" && return 0
        sleep 0.5
    done
    echo "no window titled $1" >&2
    return 1
}
# Starts a gridwick.exe in the background with the environment given; sets program (its pid)
# and window.
start_program() { # EXE LOG [ENVIRONMENT...]
    env "${@:3}" "$wine" "$1" >"$2" 2>&1 &
    program=$!
    pids+=("$program")
    window=$(window_titled '^Gridwick$') || { cat "$2"; return 1; }
    timeout 10 xdotool windowfocus --sync "$window"
}
stop_wine() { timeout 20 env WINEPREFIX="${WINEPREFIX:-$HOME/.wine}" /usr/lib/wine/wineserver -k || true; }
end_program() {
    kill "$program"
    stop_wine
}
# Waits, bounded, for the program to end; sets ended to its status.
wait_for_end() {
    for _ in $(seq 40); do
        kill -0 "$program" 2>/dev/null || { wait "$program"; ended=$?; return 0; }
        sleep 0.5
    done
    echo "the program did not end"
    return 1
}
# File > Exit; sets box to the quit question's window.
ask_to_exit() {
    xdotool key --clearmodifiers alt+f
    sleep 1
    xdotool key --clearmodifiers x
    box=$(window_titled '^QUIT\?!$')
}

# A screen reader first asks the window for its UI Automation provider; then Qt raises each
# announcement as a notification, which Wine's stub logs on its uiautomation channel.
smoke_run() {
    prepare_wine_prefix || return 1
    start_xvfb || return 1
    start_program "$exe" "$work/gridwick.log" WINEDEBUG=fixme+uiautomation || return 1
    # The client area is 470x389 at 96 dpi, below the menu bar.
    local size
    size=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
    echo "window $window: $size"
    if [[ $size != 470x* ]] || ((${size#470x} <= 389)); then
        echo "not 470 wide and taller than 389"
        return 1
    fi
    timeout 30 "$wine" "$ask_for_provider" || return 1
    timeout 10 xdotool windowfocus --sync "$window" || return 1
    sleep 1
    boxes_picture "$window" "$work/before.png" || return 1
    xdotool key --clearmodifiers alt+k
    local changed=1
    for _ in $(seq 20); do
        sleep 0.5
        boxes_picture "$window" "$work/after.png" || return 1
        cmp -s <(convert "$work/before.png" rgba:-) <(convert "$work/after.png" rgba:-) || { changed=0; break; }
    done
    import -window "$window" "$work/window.png" || return 1
    end_program
    ((changed == 0)) || { echo "the boxes did not change after Alt+K"; return 1; }
    echo "the boxes changed after Alt+K; the program was ended by its pid"
}
told_to_ui_automation() {
    local raised
    raised=$(grep -a 'UiaRaiseNotificationEvent' "$work/gridwick.log")
    echo "${raised:-Wine logged no UiaRaiseNotificationEvent}"
    [[ $(grep -cE 'Visitor [0-9]+, home [0-9]+, (visitor wins|home wins|a tie), 1 pick' <<<"$raised") == 1 ]]
}

# File > Exit: the quit question's prompt and No button read by OCR from its box, enlarged (OCR
# misses the caption inside Yes's focus frame), and Yes answered by its access key, which ends
# the program.
quit_question_reads() { # LANG YES_ACCESS_KEY NO_CAPTION
    start_program "$exe" "$work/lang.log" LANG="$1" LC_ALL="$1" || return 1
    ask_to_exit || { end_program; return 1; }
    sleep 0.5
    import -window "$box" -resize 300% "$work/question.png"
    local read
    read=$(tesseract "$work/question.png" - --psm 11 2>/dev/null | tr -s '\n' ' ')
    echo "read: $read"
    xdotool key --clearmodifiers "alt+$2"
    wait_for_end || { end_program; return 1; }
    echo "Alt+$2 ended the program with status $ended"
    stop_wine
    local word
    for word in "Do you really want to quit?" "$3"; do
        grep -qF -- "$word" <<<"$read" || { echo "missing: $word"; return 1; }
    done
    ((ended == 0))
}

SHOW=1 check "under Wine on Xvfb the window Gridwick opens and Alt+K changes its boxes" smoke_run
SHOW=1 check "after a request for its provider, Alt+K's line goes to UI Automation once" told_to_ui_automation
SHOW=1 check "under Wine every caption is drawn whole, its capitals 18 points high" \
    /usr/bin/python3 "$here/captions_whole.py" "$work/window.png" "$here/../../window/frmGridwick.ui"

SHOW=1 check "under Wine in German the quit question's buttons are Ja (Alt+J) and Nein" quit_question_reads de_DE.UTF-8 j Nein
SHOW=1 check "under Wine in French the quit question's buttons are Oui (Alt+O) and Non" quit_question_reads fr_FR.UTF-8 o Non

# The installer, in a prefix of its own. Wine puts the Start-menu shortcut of a per-machine
# install in the user's own Start menu; either place will do.
msi_prefix=$work/msi-prefix
program_files="$msi_prefix/drive_c/Program Files/Gridwick"
in_msi_prefix() { WINEPREFIX=$msi_prefix timeout 120 "$wine" "$@"; }
shortcuts() {
    find "$msi_prefix/drive_c/ProgramData" "$msi_prefix/drive_c/users" -path '*/Start Menu/Programs/Gridwick.lnk' 2>/dev/null
}
# Each installed product called Gridwick: its version, and where the icon it shows is.
installed_entries() {
    in_msi_prefix reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' \
        | awk '/DisplayName +REG_SZ +Gridwick$/ { named = 1 } /DisplayVersion/ && named { print "version " $3; named = 0 }'
    in_msi_prefix reg query 'HKCR\Installer\Products' /s | tr -d '\r' | sed -n 's/.*ProductIcon *REG_SZ *//p' \
        | while read -r icon; do echo "icon $icon"; [[ -s $(WINEPREFIX=$msi_prefix "$wine" winepath -u "$icon" 2>/dev/null) ]] || echo "missing icon"; done
}
install_msi() {
    in_msi_prefix wineboot --init >/dev/null 2>&1 || return 1
    ls -l "$msi"
    in_msi_prefix msiexec /i "$msi" /qn || return 1
    ls "$program_files"
    [[ -x $program_files/gridwick.exe ]] && shortcuts | grep .
}
SHOW=1 check "msiexec installs gridwick.exe in Program Files\Gridwick, with the Start-menu shortcut Gridwick" install_msi
SHOW=1 check "the installed gridwick.exe answers --version with Gridwick $shown" bash -c "
    [[ \$(WINEPREFIX='$msi_prefix' timeout 60 '$wine' 'C:\Program Files\Gridwick\gridwick.exe' --version | tr -d '\r') \
        == 'Gridwick $shown' ]]"
entry_reads() { # VERSION
    installed_entries | tee "$work/entries"
    [[ $(grep -c '^version' "$work/entries") == 1 ]] && grep -qx "version $1" "$work/entries" \
        && grep -q '^icon .*gridwick.ico' "$work/entries" && ! grep -q 'missing icon' "$work/entries"
}
SHOW=1 check "the uninstall entry reads Gridwick, $version, with the program's icon" entry_reads "$version"

# What a Windows user does with the installed program, on the private Xvfb with a window
# manager, printing to a private CUPS whose default queue is cups-pdf: Wine's printers are
# CUPS's. The rows below share one run of the program.
# shellcheck source-path=SCRIPTDIR source=../e2e/private_cups.sh
source "$here/../e2e/private_cups.sh"
# The picks box, read by OCR from the window's picture below its menu bar.
picks_shown() {
    import -window "$window" "$work/now.png" || return 1
    local top=$(($(identify -format %h "$work/now.png") - 389))
    convert "$work/now.png" -crop "81x33+52+$((top + 284))" +repage -resize 400% "$work/picks.png"
    tesseract "$work/picks.png" - --psm 7 -c tessedit_char_whitelist=0123456789 2>/dev/null | tr -d '[:space:]'
}
picks_reach() { # COUNT
    local shown
    for _ in $(seq 20); do
        shown=$(picks_shown) && [[ $shown == "$1" ]] && return 0
        sleep 0.5
    done
    echo "the picks box shows '$shown', not $1"
    return 1
}
use_popup() {
    chmod 755 "$work" # the scheduler's filters run as lp and read the spool below it
    start_private_cups "$work/cups" && pids+=("$CUPSD_PID") && add_pdf_printer "$work/cups" || return 1
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    WINEPREFIX=$msi_prefix prepare_wine_prefix || return 1
    start_program "$program_files/gridwick.exe" "$work/installed.log" WINEPREFIX="$msi_prefix" || return 1
    sleep 1
    # Below TOTAL PICKS, on the bare surface; the first item is Plus 100 More.
    xdotool mousemove --window "$window" 10 390 click 3
    sleep 1
    xdotool key --clearmodifiers Down Return
    picks_reach 100 || return 1
    xdotool key --clearmodifiers shift+F10
    sleep 1
    xdotool key --clearmodifiers Down Return
    picks_reach 200 && echo "the picks box read 100, then 200"
}
SHOW=1 check "installed, its pop-up from a right-button press on the window and from Shift+F10 adds 100 picks each" use_popup
# Sharp on paper: the window drawn at the printer's resolution, 470 dots wide at 96 dpi.
print_page() {
    local out pdf=
    out=$(cups_pdf_output_dir)
    rm -f "$out"/*.pdf
    xdotool key --clearmodifiers alt+f
    sleep 0.5
    xdotool key --clearmodifiers p
    for _ in $(seq 60); do
        pdf=$(find "$out" -name '*.pdf' -size +0 2>/dev/null | head -n 1)
        [[ -n $pdf ]] && tail -c 64 "$pdf" | grep -q '%%EOF' && break
        sleep 1
    done
    [[ -n $pdf ]] || { echo "no PDF in $out"; grep -E '^[EW] |Job' "$work/cups/log/error_log"; return 1; }
    pdfinfo "$pdf" | grep -x 'Pages: *1' || return 1
    pdfimages -list "$pdf" | tail -n +3 | tee "$work/images"
    awk 'NF { n++; if ($13 < 300 || $14 < 300 || int($4 * 96 / $13 + 0.5) != 470) bad = 1 } END { exit !(n > 0 && !bad) }' "$work/images"
}
SHOW=1 check "File > Print puts one page on the default printer, holding the window at 300 ppi or more" print_page
close_answered_no() {
    wmctrl -i -c "$window"
    box=$(window_titled '^QUIT\?!$') || return 1
    xdotool key --clearmodifiers alt+n
    sleep 1
    window_titled '^Gridwick$' >/dev/null && picks_reach 200 && echo "the window stays, its picks box still 200"
}
SHOW=1 check "the close button answered No keeps the window and its boxes" close_answered_no
exit_answered_yes() {
    ask_to_exit || return 1
    xdotool key --clearmodifiers alt+y
    local questions=1
    for _ in $(seq 40); do
        kill -0 "$program" 2>/dev/null || break
        # A second question would be a window of its own.
        xdotool search --onlyvisible --name '^QUIT\?!$' 2>/dev/null | grep -qvx "$box" && questions=2
        sleep 0.25
    done
    wait_for_end || return 1
    echo "ended with status $ended after $questions question(s)"
    ((ended == 0 && questions == 1))
}
SHOW=1 check "File > Exit answered Yes ends the program with status 0, after one question" exit_answered_yes

# A higher version, made for the test from the same source.
newer=$(awk -F. '{ print $1 "." $2 "." $3 + 1 "." $4 }' <<<"$version")
upgrade() {
    /usr/bin/python3 "$packaging/make_msi.py" --wixl wixl --version "$newer" --epoch "$epoch" --exe "$exe" \
        --icon "$packaging/gridwick.ico" --output "$work/newer.msi" "$packaging/gridwick.wxs" 2>/dev/null || return 1
    in_msi_prefix msiexec /i "$work/newer.msi" /qn || return 1
    entry_reads "$newer" || return 1
    if in_msi_prefix msiexec /i "$msi" /qn; then
        echo "$version went over $newer"
        return 1
    fi
    installed_entries | grep -x "version $newer"
}
SHOW=1 check "$newer replaces $version, leaving one entry, and $version does not go over it" upgrade
uninstall() {
    in_msi_prefix msiexec /x "$work/newer.msi" /qn || return 1
    local left
    left=$( { ls "$program_files" 2>/dev/null; shortcuts; installed_entries; } )
    [[ -z $left ]] || { echo "left behind: $left"; return 1; }
    echo "nothing left of Gridwick"
}
SHOW=1 check "msiexec /x removes every file, the shortcut and the entry" uninstall

summary windows
