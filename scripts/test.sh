#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checking on, warnings are errors), and runs
# the whole test suite; then builds the device-link and simulator tests with
# ThreadSanitizer in a folder of their own and runs them again. JOBS sets the
# number of parallel build and test jobs (default: the number of processors).
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS="${JOBS:-$(nproc)}"
if ! [[ "$JOBS" =~ ^[1-9][0-9]*$ ]]; then
  echo "test.sh: JOBS must be a whole number above 0, not \"$JOBS\"" >&2
  exit 2
fi
./scripts/setup.sh
# The sources keep the one style of .clang-format.
./scripts/format.sh --check
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVIK_SANITIZE=ON -DORVIK_BENCH=OFF
# No library cycle, and every area uses only the areas below it.
python3 scripts/check-deps.py build-test
cmake --build build-test -j"$JOBS"
(cd build-test && ctest --output-on-failure -j"$JOBS" --timeout 600)

# Only the tests labelled "tsan" are built here (orvik_tsan_tests).
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVIK_TSAN=ON -DORVIK_BENCH=OFF
cmake --build build-tsan -j"$JOBS" --target orvik_tsan_tests
(cd build-tsan && ctest --output-on-failure -j"$JOBS" --timeout 600 -L tsan)
