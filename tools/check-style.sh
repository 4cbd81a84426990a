#!/usr/bin/env bash
# Fails on any formatting finding, clang-tidy or clazy finding in the program's code (clazy
# checks the Qt rules: connects by pointer to member with a context object, no non-POD globals,
# and the rest of its levels 0 and 1), shellcheck finding in a shell script or pyflakes finding
# in a Python script. Needs the release build's compile database.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

mapfile -t program < <(git ls-files 'runtime/*.cpp' 'tally/*.cpp' 'window/*.cpp')
echo "clang-tidy: ${#program[@]} files"
# The release build uses GCC's link-time optimisation flags, which clang does not know.
# Its findings and errors are shown; only the count of warnings it hid in Qt's headers is not.
tidy_errors=$(mktemp)
trap 'rm -f "$tidy_errors"' EXIT
tidy_status=0
printf '%s\n' "${program[@]}" | xargs -P "$(nproc)" -n 1 \
    clang-tidy -p build/release --quiet --extra-arg=-Wno-ignored-optimization-argument \
    2>"$tidy_errors" || tidy_status=$?
grep -v '^[0-9]* warnings\? generated\.$' "$tidy_errors" >&2 || true
((tidy_status == 0))

echo "clazy: ${#program[@]} files"
printf '%s\n' "${program[@]}" | xargs -P "$(nproc)" -n 1 \
    clazy-standalone -p build/release --checks=level0,level1,old-style-connect \
    --extra-arg=-Wno-ignored-optimization-argument 2>&1 | (! grep -v '^[0-9]* warnings\? generated\.$')

mapfile -t scripts < <(git ls-files '*.sh' .ci/run 'debian/tests/*' | grep -v '/control$')
echo "shellcheck: ${#scripts[@]} files"
shellcheck --shell=bash --external-sources "${scripts[@]}"

mapfile -t python < <(git ls-files '*.py')
echo "pyflakes: ${#python[@]} files"
pyflakes3 "${python[@]}"

echo "style checks passed"
