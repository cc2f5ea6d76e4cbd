#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them all: convert per calendar,
# the batch converter against cat on one million entries, and start-up and
# peak memory of the window against a bare Qt window. Prints a short table.
# Needs the test set of tools/packages.sh (Google Benchmark, hyperfine).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_BUILD_BENCH=ON -DBUILD_TESTING=OFF \
  >/dev/null
cmake --build "$build" -j "${JOBS:-2}" --target bench_convert mrvdate-convert startup_bare startup_window \
  >/dev/null

# convert, CPU nanoseconds per call (Google Benchmark CSV: name,iterations,real_time,cpu_time,...).
"$build/bench/bench_convert" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null >"$work/convert.csv"
convert_ns() { awk -F, -v n="\"BM_Convert$1_median\"" '$1 == n { printf "%.0f", $4 }' "$work/convert.csv"; }

# One million SC entries, the same every run.
awk 'BEGIN { for (i = 0; i < 1000000; i++) { h = 1147 + (i * 7919) % 65535; printf "%d.%02d\n", int(h / 100), h % 100 } }' \
  >"$work/entries.txt"
hyperfine --style none -w 3 -r 20 --export-csv "$work/batch.csv" \
  "cat $work/entries.txt >/dev/null" \
  "$build/cli/mrvdate-convert --from sc <$work/entries.txt >/dev/null" >/dev/null 2>"$work/hyperfine.log" ||
  { cat "$work/hyperfine.log"; exit 1; }
# hyperfine's CSV: command,mean,stddev,median,user,system,min,max (seconds).
median_ms() { awk -F, -v row="$2" 'NR == row + 1 { printf "%.1f", $4 * 1000 }' "$1"; }

# Start-up: each program ends right after its window's first paint.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
hyperfine --style none -N -w 5 -r 40 --export-csv "$work/startup.csv" \
  "$build/bench/startup_bare" "$build/bench/startup_window" >/dev/null 2>"$work/hyperfine.log" ||
  { cat "$work/hyperfine.log"; exit 1; }
peak_mib() { # median of 9 runs
  for _ in 1 2 3 4 5 6 7 8 9; do "$1" | awk '/^peak_rss_kib/ { print $2 }'; done |
    sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 1024 }'
}

cat_ms=$(median_ms "$work/batch.csv" 1)
batch_ms=$(median_ms "$work/batch.csv" 2)
bare_ms=$(median_ms "$work/startup.csv" 1)
window_ms=$(median_ms "$work/startup.csv" 2)
bare_mib=$(peak_mib "$build/bench/startup_bare")
window_mib=$(peak_mib "$build/bench/startup_window")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "| Measure | Result | Goal |"
echo "|---|---|---|"
for c in SC EY AW; do
  echo "| convert, $c entries | $(convert_ns $c) ns CPU per call | < 200 ns |"
done
echo "| batch converter, 1,000,000 SC entries | $batch_ms ms vs cat $cat_ms ms: $(ratio "$batch_ms" "$cat_ms")× | ≤ 4× cat |"
echo "| start-up to first show | $window_ms ms vs bare window $bare_ms ms: $(ratio "$window_ms" "$bare_ms")× | ≤ 1.25× |"
echo "| peak resident memory | $window_mib MiB vs bare window $bare_mib MiB: +$(awk -v a="$window_mib" -v b="$bare_mib" 'BEGIN { printf "%.1f", a - b }') MiB | ≤ +6 MB |"
echo
echo "Medians; $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)."
