#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them all: convert per calendar,
# the batch converter against cat on one million entries, and start-up and
# peak memory of the window against three anchors run interleaved with it: a
# stock-Qt window with the same controls, a bare window and a bare window
# with one text label. Prints a short table.
# Needs the test set of tools/packages.sh (Google Benchmark, hyperfine).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_BUILD_BENCH=ON -DBUILD_TESTING=OFF \
  >/dev/null
cmake --build "$build" -j "${JOBS:-2}" --target bench_convert mrvdate-convert \
  startup_window startup_stock startup_bare startup_label startup_rounds \
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

# Start-up: each program ends right after its window's first paint; the
# four run in turn, round after round (ROUNDS, 60 by default).
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$build/bench/startup_rounds" "${ROUNDS:-60}" window="$build/bench/startup_window" \
  stock="$build/bench/startup_stock" bare="$build/bench/startup_bare" label="$build/bench/startup_label" \
  >"$work/startup.txt"
startup_ms() { awk -v n="$1" '$1 == n { print $2 }' "$work/startup.txt"; }
startup_mib() { awk -v n="$1" '$1 == n { printf "%.1f", $3 / 1024 }' "$work/startup.txt"; }

cat_ms=$(median_ms "$work/batch.csv" 1)
batch_ms=$(median_ms "$work/batch.csv" 2)
for p in window stock bare label; do
  printf -v "${p}_ms" %s "$(startup_ms $p)"
  printf -v "${p}_mib" %s "$(startup_mib $p)"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "| Measure | Result | Goal |"
echo "|---|---|---|"
for c in SC EY AW; do
  echo "| convert, $c entries | $(convert_ns $c) ns CPU per call | < 200 ns |"
done
echo "| batch converter, 1,000,000 SC entries | $batch_ms ms vs cat $cat_ms ms: $(ratio "$batch_ms" "$cat_ms")× | ≤ 4× cat |"
diff_mib() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.1f", a - b }'; }
echo "| start-up to first paint vs stock-Qt window | $window_ms ms vs $stock_ms ms: $(ratio "$window_ms" "$stock_ms")× | ≤ 0.97× |"
echo "| peak resident memory vs stock-Qt window | $window_mib MiB vs $stock_mib MiB: $(diff_mib "$window_mib" "$stock_mib") MiB | ≤ stock |"
echo "| start-up to first paint vs bare window | $window_ms ms vs $bare_ms ms: $(ratio "$window_ms" "$bare_ms")× | ≤ 1.25× |"
echo "| peak resident memory vs bare window | $window_mib MiB vs $bare_mib MiB: $(diff_mib "$window_mib" "$bare_mib") MiB | ≤ +6 MB |"
echo "| anchors: bare window, with one label | $bare_ms ms, $label_ms ms ($(ratio "$label_ms" "$bare_ms")×); $bare_mib MiB, $label_mib MiB | |"
echo
echo "Medians (start-up: ${ROUNDS:-60} interleaved rounds); $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)."
