#!/usr/bin/env bash
# Brings translations/*.ts in step with the program's texts, as Qt's lupdate finds them in
# window/. With --check it changes nothing, and fails when a file is out of step with the
# sources or holds an entry still unfinished or no longer in the sources.
#   update-translations.sh [--check] [LUPDATE]   (LUPDATE: Debian's own unless named)
# English is the source language: its file holds only the plurals ("1 pick", "2 picks").
set -euo pipefail
cd "$(dirname "$0")/.."
check=false
if [[ ${1:-} == --check ]]; then
    check=true
    shift
fi
lupdate=${1:-/usr/lib/qt6/bin/lupdate}

folder=translations
if $check; then
    folder=$(mktemp -d)
    trap 'rm -rf "$folder"' EXIT
    cp translations/*.ts "$folder/"
fi
for file in "$folder"/gridwick_*.ts; do
    options=(-silent -locations none -no-obsolete)
    [[ $file == */gridwick_en.ts ]] && options+=(-pluralonly)
    "$lupdate" "${options[@]}" window -ts "$file"
done
$check || exit 0

status=0
for file in translations/gridwick_*.ts; do
    if ! cmp -s "$file" "$folder/${file##*/}"; then
        echo "$file is out of step with the sources (bash tools/update-translations.sh):"
        diff -u "$file" "$folder/${file##*/}" | head -n 20 || true
        status=1
    fi
    if grep -n 'type="\(unfinished\|vanished\|obsolete\)"' "$file"; then
        echo "$file: the entries above are unfinished, or gone from the sources"
        status=1
    fi
done
exit $status
