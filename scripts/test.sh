#!/usr/bin/env bash
# Builds and runs every test: the Release build, the core and its tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of
# every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

scripts/install-deps.sh

echo "== Release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Sanitizer build (ASan + UBSan) and tests"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTESSARA_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

echo "== Fuzz targets, about 20 seconds each"
scripts/fuzz-smoke.sh
