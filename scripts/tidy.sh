#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over the sources of the given areas,
# by default every area. Uses build-test/compile_commands.json, so
# builds it first when needed. Exits non-zero on a finding.
#   scripts/tidy.sh                 every area
#   scripts/tidy.sh pages settings  just these areas
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${TIDY_BUILD:-build-test}
areas=("$@")
[ ${#areas[@]} -gt 0 ] || areas=(platform device dialogs widgets app devicelist pages settings alternative resources)
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVIK_SANITIZE=ON -DORVIK_BENCH=OFF
fi
# An existing build folder may have been configured without the compile
# database; without it clang-tidy guesses flags and reports missing headers.
cmake "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
# The generated moc/uic headers must exist for the sources to parse.
cmake --build "$build" -j"$(nproc)"
area_re=$(IFS='|'; echo "${areas[*]}")
files=$(git ls-files '*.cpp' | grep -E "^(${area_re})/" || true)
[ -n "$files" ] || exit 0
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# Headers are checked when their own area is checked; -Wno-error because the
# test build's -Werror would make clang's own warnings fail the parse.
echo "$files" | xargs -P "${TIDY_JOBS:-$(nproc)}" -n 4 clang-tidy -p "$build" --quiet \
    --header-filter="^${root}/(${area_re})/" --extra-arg=-Wno-error --extra-arg=-Wno-unknown-warning-option \
    >"$out" 2>/dev/null || true
grep -E '^/.*: (warning|error):' "$out" | sort -u >"$out.found" || true
if [ -s "$out.found" ]; then
    cat "$out.found"
    echo "clang-tidy: $(wc -l <"$out.found") finding(s)"
    rm -f "$out.found"
    exit 1
fi
rm -f "$out.found"
echo "clang-tidy: clean"
