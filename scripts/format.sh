#!/usr/bin/env bash
# Formats the tracked C++ sources with .clang-format (data/ keeps its files as
# they stand). With --check, changes nothing and lists the files whose format
# differs; exits non-zero when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' | grep -v '^data/')
if [ "${1:-}" = "--check" ]; then
    bad=()
    for f in $files; do
        clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
    done
    if [ ${#bad[@]} -gt 0 ]; then
        printf '%s\n' "${bad[@]}"
        echo "format: ${#bad[@]} file(s) differ from .clang-format; run scripts/format.sh"
        exit 1
    fi
    echo "format: clean"
else
    echo "$files" | xargs clang-format -i
fi
