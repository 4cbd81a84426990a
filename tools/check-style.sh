#!/usr/bin/env bash
# Fails on any formatting finding in the C++ code, shellcheck finding in a shell script or
# pyflakes finding in a Python script, or on a translation out of step with the sources: what no
# build checks. clang-tidy and clazy (Qt's rules:
# connects by pointer to member with a context object, no non-POD globals, and the rest of its
# levels 0 and 1) check the program's code as the clang preset builds it.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

mapfile -t scripts < <(git ls-files '*.sh' .ci/run 'debian/tests/*' | grep -v '/control$')
echo "shellcheck: ${#scripts[@]} files"
shellcheck --shell=bash --external-sources "${scripts[@]}"

mapfile -t python < <(git ls-files '*.py')
echo "pyflakes: ${#python[@]} files"
pyflakes3 "${python[@]}"

echo "translations: $(git ls-files 'translations/*.ts' | wc -l) files"
bash tools/update-translations.sh --check

echo "style checks passed"
