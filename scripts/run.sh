#!/usr/bin/env bash
# Installs what is missing, builds the utility and starts it on the simulated
# mice (the built-in set, or the devices file named by HIDUSB_SIM_DEVICES).
# Only what running needs is built: the utility, its application folder and
# the sample firmware tool; no tests, no benchmarks. JOBS sets the number of
# parallel build jobs (default: the number of processors).
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS="${JOBS:-$(nproc)}"
if ! [[ "$JOBS" =~ ^[1-9][0-9]*$ ]]; then
  echo "run.sh: JOBS must be a whole number above 0, not \"$JOBS\"" >&2
  exit 2
fi
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVIK_TESTS=OFF -DORVIK_BENCH=OFF
cmake --build build -j"$JOBS" --target orvik-se orvik-sample-firmware
exec ./build/OrvikSE/orvik-se "$@"
