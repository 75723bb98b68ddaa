#!/usr/bin/env bash
# Installs what building, running and testing Orvik SE needs on Debian.
set -euo pipefail
pkgs=(cmake ninja-build g++ qtbase5-dev qtbase5-dev-tools libqt5svg5-dev libxcb1-dev
      fonts-noto-cjk fonts-dejavu-core xvfb clang-format)
missing=()
for p in "${pkgs[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
