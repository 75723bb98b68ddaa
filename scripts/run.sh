#!/usr/bin/env bash
# Installs what is missing, builds the utility and starts it on the simulated
# mice (the built-in set, or the devices file named by HIDUSB_SIM_DEVICES).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVIK_TESTS=OFF
cmake --build build -j"$(nproc)"
exec ./build/OrvikSE/orvik-se "$@"
