#!/usr/bin/env bash
# Fails on any formatting finding, clang-tidy finding in the program's code, or a Qt connect
# without a pointer to member and a context object. Needs the release build's compile database.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

mapfile -t program < <(git ls-files 'runtime/*.cpp' 'tally/*.cpp' 'window/*.cpp')
echo "clang-tidy: ${#program[@]} files"
# The release build uses GCC's link-time optimisation flags, which clang does not know.
printf '%s\n' "${program[@]}" | xargs -P "$(nproc)" -n 1 \
    clang-tidy -p build/release --quiet --extra-arg=-Wno-ignored-optimization-argument 2>/dev/null

python3 tools/check_connects.py "${sources[@]}"
echo "style checks passed"
