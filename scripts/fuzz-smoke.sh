#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz) and runs each one briefly on a
# scratch copy of its seed corpus, so the committed corpus never grows and no
# run leaves files in the tree. Exits non-zero on any crash, leak, timeout or
# sanitizer report; the reproducer is kept and its path printed.
#   FUZZ_SECONDS  time per target (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
seconds="${FUZZ_SECONDS:-20}"
targets=(fuzz_space_group_lookup fuzz_hall_parser fuzz_cif_reader fuzz_fox_reader)

scripts/install-deps.sh
CXX=clang++ cmake -S . -B build-fuzz -DTESSARA_FUZZ=ON -DTESSARA_BUILD_TESTS=OFF -DTESSARA_BUILD_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

scratch="$(mktemp -d)"
keep=0
trap '[ "$keep" -eq 1 ] || rm -rf "$scratch"' EXIT

failed=()
for target in "${targets[@]}"; do
  work="$scratch/$target"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$root/tests/fuzz/corpus/$target/"* "$work/corpus/"
  dict=()
  [ -f "$root/tests/fuzz/$target.dict" ] && dict=(-dict="$root/tests/fuzz/$target.dict")
  echo "== $target (${seconds}s)"
  if (cd "$work" && UBSAN_OPTIONS=print_stacktrace=1 "$root/build-fuzz/tests/fuzz/$target" \
        -max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "${dict[@]}" corpus >"$work/fuzz.log" 2>&1); then
    grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' "$work/fuzz.log" || true
  else
    keep=1
    failed+=("$target")
    tail -n 60 "$work/fuzz.log"
    echo "!! $target: finding; log and reproducer kept in $work" >&2
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz smoke: findings in ${failed[*]}" >&2
  exit 1
fi
echo "fuzz smoke: no findings"
