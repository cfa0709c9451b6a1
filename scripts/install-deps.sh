#!/usr/bin/env bash
# Installs the Debian packages Tessara builds, tests and runs with. Idempotent:
# silent when everything is already present.
set -euo pipefail

packages=(
  g++ cmake make            # the build
  libgtest-dev              # tests
  libbenchmark-dev          # benchmarks
  clang libclang-rt-14-dev  # libFuzzer targets (tests/fuzz)
  libwxgtk3.2-dev libglu1-mesa-dev  # the desktop program
  xvfb xauth libgl1-mesa-dri  # its tests, in a virtual display with Mesa
  imagemagick               # screenshots of the program for the README
  libavogadro-data          # real-world CIF corpus (/usr/share/avogadro2/crystals)
  python3-spglib python3-gemmi python3-scipy  # regenerating the reference fixtures (tests/fixtures)
  python3-ase time          # the benchmark peer and peak-memory figures (scripts/bench-similarity.sh)
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
