#!/usr/bin/env bash
# The similarity benchmark in one command: builds bench_similarity (Release, in
# build-bench), times the five similarity commands on N = 50..400 seeded
# cimetidine candidates, the plain and fast distance-angle triangle
# enumerations, and ASE's OFPComparator on the same 200 candidates, then
# prints one table. Each configuration runs in a process of its own so that
# its peak resident set size can be read.
#   BENCH_REPETITIONS  runs per figure, the median reported (default 1; 3 for
#                      the N = 200 figures the comparison with ASE rests on)
#   BENCH_KEEP         directory to keep the raw JSON and CIF files in
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build-bench"
python=/usr/bin/python3  # Debian's, which has python3-ase
repetitions="${BENCH_REPETITIONS:-1}"

for tool in /usr/bin/time "$python"; do
  [ -x "$tool" ] || { echo "bench-similarity: $tool missing" >&2; exit 1; }
done
"$python" -c 'import ase.ga.ofp_comparator' 2>/dev/null || {
  echo "bench-similarity: ASE missing (Debian package python3-ase)" >&2; exit 1; }

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_similarity >/dev/null
bench="$build/bench/bench_similarity"

if [ -n "${BENCH_KEEP:-}" ]; then
  out="$BENCH_KEEP"
  mkdir -p "$out"
else
  out="$(mktemp -d)"
  trap 'rm -rf "$out"' EXIT
fi

# Runs the benchmarks matching $2 in their own process, $3 times each; JSON to
# $1.json, peak RSS (KiB) to $1.rss.
run() {
  local name="$1" filter="$2" repeat="${3:-$repetitions}"
  echo "  $name" >&2
  (cd "$out" && /usr/bin/time -f %M -o "$name.rss" "$bench" --benchmark_filter="$filter" \
     --benchmark_repetitions="$repeat" --benchmark_out="$name.json" --benchmark_out_format=json \
     >"$name.log" 2>&1) || { cat "$out/$name.log" >&2; exit 1; }
}

load="$(cut -d' ' -f1-3 /proc/loadavg)"
echo "bench-similarity: load average $load on $(nproc) cores; running..." >&2
at200="${BENCH_REPETITIONS:-3}"
run similarity_N50 '^similarity/.*/N:50/'
run similarity_N100 '^similarity/.*/N:100/'
run similarity_N200 '^similarity/.*/N:200/' "$at200"
run similarity_N400 '^similarity/.*/N:400/'
run all_five '^allFive/' "$at200"
run triangles '^triangles'
run breakdown '^breakdown/'

echo "  candidates and ASE" >&2
TESSARA_BENCH_CANDIDATE_DIR="$out/cif" TESSARA_BENCH_CANDIDATE_COUNT=200 run export '^writeCandidateFiles'
/usr/bin/time -f %M -o "$out/ase.rss" "$python" "$root/bench/ase_ofp_reference.py" "$out/cif" --rcut 10 \
  >"$out/ase.json"

"$python" - "$out" "$(nproc)" "$load" "$(cut -d' ' -f1-3 /proc/loadavg)" "$repetitions" "$at200" <<'EOF'
import json, os, re, sys

out, cores, load, load_end, reps, reps200 = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5], sys.argv[6]

def results(name):
    with open(os.path.join(out, name + ".json")) as f:
        runs = json.load(f)["benchmarks"]
    figures = {}
    for r in runs:
        if r.get("error_occurred"):
            sys.exit("%s: %s" % (r["name"], r.get("error_message")))
        aggregate = r.get("aggregate_name")
        if aggregate not in (None, "median"):
            continue
        figures[r["run_name"]] = r  # the median overrides the single runs
    return figures

def ms(r):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[r["time_unit"]]
    return r["real_time"] * scale

def rss(name):
    with open(os.path.join(out, name + ".rss")) as f:
        return int(f.read().split()[-1]) / 1024.0

methods = ["pdf-modified", "pdf", "distance-angle", "histogram", "cumulative"]
sizes = [50, 100, 200, 400]
threads = [1] + ([cores] if cores > 1 else [])
times = {}
for n in sizes:
    for run_name, r in results("similarity_N%d" % n).items():
        m = re.match(r"similarity/(.+)/N:(\d+)/threads:(\d+)", run_name)
        times[(m.group(1), int(m.group(2)), int(m.group(3)))] = ms(r)
five = {int(re.search(r"threads:(\d+)", k).group(1)): ms(r) for k, r in results("all_five").items()}
tri = {k.split("/")[0]: r for k, r in results("triangles").items()}
with open(os.path.join(out, "ase.json")) as f:
    ase = json.load(f)

bd = {k.split("/")[2]: r for k, r in results("breakdown").items()}

width = 8 * len(threads) + 3 * (len(threads) - 1)
cell = lambda values: " | ".join("%8.1f" % v for v in values)
pad = lambda text: "%*s" % (width, text)
print()
print("Similarity command: every fingerprint and the full n x n matrix, wall time in ms;")
print("N seeded cimetidine candidates (random orientation and position); median of %s run(s), %s at N = 200" % (reps, reps200))
print("load average at start %s, at end %s; %d cores" % (load, load_end, cores))
print("%-16s" % "" + "".join("  " + pad("N = %d" % n) for n in sizes))
print("%-16s" % "method" + "".join("  " + " | ".join("%8s" % ("%d thr" % t) for t in threads) for n in sizes))
for method in methods:
    print("%-16s" % method + "".join("  " + cell([times[(method, n, t)] for t in threads]) for n in sizes))
sums = [sum(times[(m, 200, t)] for m in methods) for t in threads]
print("%-16s" % "sum of the five" + ("  " + pad("")) * 2 + "  " + cell(sums))
print("%-16s" % "all five, timed" + ("  " + pad("")) * 2 + "  " + cell([five[t] for t in threads]))
print()
best = min(five.values())
ase_ms = ase["total_seconds"] * 1e3
print("ASE OFPComparator, N = %d, %d atoms each, one process: %.1f ms (%d fingerprints %.1f ms + %d pair distances %.1f ms)"
      % (ase["structures"], ase["atoms"], ase_ms, ase["structures"], ase["fingerprint_seconds"] * 1e3, ase["pairs"],
         ase["matrix_seconds"] * 1e3))
print("  parameters: %s" % ", ".join("%s=%s" % kv for kv in ase["parameters"].items()))
print("ASE / our five methods, N = 200, best thread count: %.1fx all five timed together, %.1fx sum of the five"
      "   (target >= 50x)" % (ase_ms / best, ase_ms / min(sums)))
plain, fast = ms(tri["trianglesPlain"]), ms(tri["trianglesFast"])
print("Distance-angle triangles, %s candidates, %d records: plain %.1f ms, fast %.2f ms: %.0fx   (target >= 30x)"
      % (re.search(r"candidates:(\d+)", tri["trianglesFast"]["run_name"]).group(1), tri["trianglesFast"]["records"],
         plain, fast, plain / fast))
row = bd["measureRow"]
print("Distance-angle, one thread: triangles %.2f ms + field %.2f ms per structure, measure %.1f us per pair (%d cells)"
      % (ms(bd["triangles"]), ms(bd["field"]), ms(row) * 1e3 / row["pairs"], row["cells"]))
print("Peak resident set size (one process each): N = 200 run %.1f MiB, N = 400 run %.1f MiB "
      "(five methods, all thread counts); ASE run %.1f MiB" % (rss("similarity_N200"), rss("similarity_N400"), rss("ase")))
EOF
