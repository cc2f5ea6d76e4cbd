#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them all: convert per calendar,
# the batch converter on one million entries per calendar against its I/O
# floor and a mawk script (BATCH_ROUNDS interleaved rounds, 25 by default),
# its peak memory on a 1 GB line and on /dev/zero, and start-up and peak
# memory of the window against three anchors run interleaved with it: a
# stock-Qt window with the same controls, a bare window and a bare window
# with one text label. Prints a short table.
# Needs the test set of tools/packages.sh (Google Benchmark, mawk, time).
# "bench/run.sh batch" runs the batch converter's part alone, without Qt,
# "bench/run.sh startup" the window's start-up part alone;
# "bench/run.sh windows-startup" the Windows program's start-up under Wine
# (bench/windows/startup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
part=${1:-all}
[ "$part" = windows-startup ] && exec bash bench/windows/startup.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ "$part" = batch ]; then
  build=${BUILD_DIR:-build-bench-batch}
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_BUILD_BENCH=ON -DBUILD_TESTING=OFF \
    -DMRVDATE_BUILD_GUI=OFF >/dev/null
  cmake --build "$build" -j "${JOBS:-2}" --target mrvdate-convert io_floor rounds >/dev/null
else
  build=${BUILD_DIR:-build-bench}
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_BUILD_BENCH=ON -DBUILD_TESTING=OFF \
    >/dev/null
  cmake --build "$build" -j "${JOBS:-2}" --target bench_convert mrvdate-convert io_floor \
    startup_window startup_stock startup_bare startup_label rounds \
    >/dev/null
fi

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Start-up: each program ends right after its window's first paint; the
# four run in turn, round after round (ROUNDS, 60 by default).
startup_table() {
  export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  for p in window stock bare label; do
    printf '%s\t0\t-\t%s\n' $p "$build/bench/startup_$p"
  done | "$build/bench/rounds" "${ROUNDS:-60}" >"$work/startup.txt"
  startup_ms() { awk -v n="$1" '$1 == n { print $2 }' "$work/startup.txt"; }
  startup_mib() { awk -v n="$1" '$1 == n { printf "%.1f", $4 / 1024 }' "$work/startup.txt"; }

  for p in window stock bare label; do
    printf -v "${p}_ms" %s "$(startup_ms $p)"
    printf -v "${p}_mib" %s "$(startup_mib $p)"
  done

  diff_mib() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.1f", a - b }'; }
  echo "| start-up to first paint vs stock-Qt window | $window_ms ms vs $stock_ms ms: $(ratio "$window_ms" "$stock_ms")× | ≤ 0.97× |"
  echo "| peak resident memory vs stock-Qt window | $window_mib MiB vs $stock_mib MiB: $(diff_mib "$window_mib" "$stock_mib") MiB | ≤ stock |"
  echo "| start-up to first paint vs bare window | $window_ms ms vs $bare_ms ms: $(ratio "$window_ms" "$bare_ms")× | ≤ 1.25× |"
  echo "| peak resident memory vs bare window | $window_mib MiB vs $bare_mib MiB: $(diff_mib "$window_mib" "$bare_mib") MiB | ≤ +6 MB |"
  echo "| anchors: bare window, with one label | $bare_ms ms, $label_ms ms ($(ratio "$label_ms" "$bare_ms")×); $bare_mib MiB, $label_mib MiB | |"
}
if [ "$part" = startup ]; then
  echo "| Measure | Result | Goal |"
  echo "|---|---|---|"
  startup_table
  echo
  echo "Medians of ${ROUNDS:-60} interleaved rounds; $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)."
  exit 0
fi

# convert, CPU nanoseconds per call (Google Benchmark CSV: name,iterations,real_time,cpu_time,...).
[ "$part" = batch ] || "$build/bench/bench_convert" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null >"$work/convert.csv"
convert_ns() { awk -F, -v n="\"BM_Convert$1_median\"" '$1 == n { printf "%.0f", $4 }' "$work/convert.csv"; }

# One million entries per calendar, the same every run, as users enter them:
# two-decimal SC dates and whole EY and AW years across each range.
awk 'BEGIN { for (i = 0; i < 1000000; i++) { h = 1147 + (i * 7919) % 65535; printf "%d.%02d\n", int(h / 100), h % 100 } }' \
  >"$work/sc.txt"
awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "%d\n", -30681 + (i * 7919) % 65535 }' >"$work/ey.txt"
awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "%d\n", -32767 + (i * 7919) % 63449 }' >"$work/aw.txt"
# The EY entries as the second column of a table, for --field.
awk '{ printf "%d,%s\r\n", NR, $0 }' "$work/ey.txt" >"$work/ey.csv"
awk '{ printf "%d\t%s\n", NR, $0 }' "$work/ey.txt" >"$work/ey.tsv"
# And under a header row, with commas and with semicolons, for the options
# that name the field, change the delimiter and choose the columns.
{ printf 'n,year\r\n'; cat "$work/ey.csv"; } >"$work/ey-header.csv"
{ printf 'n;year\r\n'; tr , ';' <"$work/ey.csv"; } >"$work/ey-semicolon.csv"
converter="$build/cli/mrvdate-convert"
cmp -s <("$converter" --from sc <"$work/sc.txt") <(mawk -f bench/sc-peer.awk "$work/sc.txt") ||
  { echo "bench/sc-peer.awk no longer writes what the converter writes" >&2; exit 1; }

# The converter's runs in every format, named after `prefix`.
format_runs() {
  local prefix=$1 program=$2 c f
  for c in sc ey aw; do
    printf '%sconv-%s\t1\t%s\t%s\t--from\t%s\n' "$prefix" $c "$work/$c.txt" "$program" $c # EY 0 is refused
  done
  for f in tsv jsonl csv; do
    printf '%s%s-ey\t1\t%s\t%s\t--from\tey\t--format\t%s\n' "$prefix" $f "$work/ey.txt" "$program" $f
  done
  for f in tsv csv; do
    printf '%sfield-%s-ey\t1\t%s\t%s\t--from\tey\t--format\t%s\t--field\t2\n' "$prefix" $f "$work/ey.$f" \
      "$program" $f
  done
}

# Interleaved rounds: each round runs every program once, so that a change in
# the machine's load touches them all alike, all on one processor (the last,
# or BENCH_CPU): processors of a shared machine may differ in speed. Each
# run's CPU time (user + system) is what the kernel accounted to it.
cpu=${BENCH_CPU:-$(($(nproc) - 1))}
{
  for c in sc ey aw; do
    printf 'floor-%s\t0\t%s\t%s\n' $c "$work/$c.txt" "$build/bench/io_floor"
  done
  printf 'mawk-sc\t0\t-\t%s\t-f\tbench/sc-peer.awk\t%s\n' "$(command -v mawk)" "$work/sc.txt"
  # The other formats, and columns of a table, on the same EY entries.
  printf 'lenient-ey\t1\t%s\t%s\t--from\tey\t--lenient\n' "$work/ey.txt" "$converter"
  format_runs "" "$converter"
  # The spreadsheet options, each against the same run without it.
  table="--from\tey\t--format\tcsv\t--header\t--field"
  printf 'header-ey\t1\t%s\t%s\t%b\t2\n' "$work/ey-header.csv" "$converter" "$table"
  printf 'named-ey\t1\t%s\t%s\t%b\tyear\n' "$work/ey-header.csv" "$converter" "$table"
  printf 'delimiter-ey\t1\t%s\t%s\t%b\t2\t-d\t;\n' "$work/ey-semicolon.csv" "$converter" "$table"
  printf 'columns-ey\t1\t%s\t%s\t%b\t2\t--columns\t%s\n' "$work/ey-header.csv" "$converter" "$table" \
    sc,ey,aw,error,message,sc_value,ey_year,aw_year
  printf 'all-new-ey\t1\t%s\t%s\t%b\tyear\t-d\t;\t--columns\t%s\n' "$work/ey-semicolon.csv" "$converter" \
    "$table" sc,ey,aw,error,message,sc_value,ey_year,aw_year
  # BENCH_BASE: another build's converter (an earlier commit's), run in the
  # same rounds for a before-and-after table; the spreadsheet options are
  # set beside its --field 2 --header, which a build before them has.
  if [ -n "${BENCH_BASE:-}" ]; then
    format_runs base- "$BENCH_BASE"
    printf 'base-header-ey\t1\t%s\t%s\t%b\t2\n' "$work/ey-header.csv" "$BENCH_BASE" "$table"
  fi
} | taskset -c "$cpu" "$build/bench/rounds" "${BATCH_ROUNDS:-25}" >"$work/batch.txt"
# Median CPU ms of a run; for a million entries, ms is ns an entry.
median_of() { awk -v r="$1" '$1 == r { printf "%.1f", $3 }' "$work/batch.txt"; }

# Peak memory: a 1 GB line holding one number (0.000...1e99999999999, beyond
# the double range: refused), and 10 s of /dev/zero.
peak_line=$({ printf '0.'; head -c 1000000000 /dev/zero | tr '\0' 0; printf '1e99999999999\n'; } |
  /usr/bin/time -f %M "$converter" --from sc 2>&1 >"$work/line.out" | tail -1) || true
grep -q 'out of range' "$work/line.out" || { echo "the 1 GB entry was not refused" >&2; exit 1; }
peak_zero=$(/usr/bin/time -f %M timeout 10 "$converter" --from sc </dev/zero 2>&1 >/dev/null | tail -1) || true
# And a 1 GB table row, its first field quoted and full of commas.
peak_row=$({ printf '"'; head -c 1000000000 /dev/zero | tr '\0' ,; printf '",2002\r\n'; } |
  /usr/bin/time -f %M "$converter" --from ey --format csv --field 2 2>&1 >/dev/null | tail -1) || true
# The same with the spreadsheet options: a byte-order mark, a header row
# naming the field, semicolons, chosen columns.
peak_row_options=$({ printf '\xef\xbb\xbfname;year\r\n"'; head -c 1000000000 /dev/zero | tr '\0' ';'; printf '";2002\r\n'; } |
  /usr/bin/time -f %M "$converter" --from ey --format csv -d ';' --field year --header --columns aw_year \
    2>&1 >/dev/null | tail -1) || true
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

batch_table() {
  for c in sc ey aw; do
    conv=$(median_of conv-$c)
    floor=$(median_of floor-$c)
    peer=""
    [ $c = sc ] && peer="; mawk $(median_of mawk-sc) ns: $(ratio "$(median_of mawk-sc)" "$conv")× the converter"
    echo "| batch converter, 1,000,000 ${c^^} entries | $conv ns an entry; I/O floor $floor ns: $(ratio "$conv" "$floor")×$peer | ≤ 45 ns, ≤ 5× floor |"
  done
  floor=$(median_of floor-ey)
  tsv=$(median_of tsv-ey)
  echo "| the same EY entries, --lenient | $(median_of lenient-ey) ns: $(ratio "$(median_of lenient-ey)" "$(median_of conv-ey)")× the default reading | |"
  for f in tsv jsonl; do
    echo "| the same EY entries, --format $f | $(median_of $f-ey) ns; I/O floor: $(ratio "$(median_of $f-ey)" "$floor")× | ≤ 45 ns, ≤ 5× floor |"
  done
  echo "| the same EY entries, --format csv | $(median_of csv-ey) ns: $(ratio "$(median_of csv-ey)" "$tsv")× tsv | ≤ 2× tsv |"
  for f in csv tsv; do
    echo "| the same EY entries as field 2 of a $f table, --field 2 | $(median_of field-$f-ey) ns: $(ratio "$(median_of field-$f-ey)" "$tsv")× tsv | ≤ 2× tsv |"
  done
  header=$(median_of header-ey)
  for o in "named-ey:--field year (named)" "delimiter-ey:-d ';' (a semicolon table)" \
    "columns-ey:--columns (all eight named)" "all-new-ey:all three"; do
    echo "| the same EY entries under a header row, ${o#*:} | $(median_of "${o%%:*}") ns: $(ratio "$(median_of "${o%%:*}")" "$header")× --field 2 --header ($header ns) | ≤ 1.10× |"
  done
  echo "| batch converter, peak memory | 1 GB line: $(mib "$peak_line") MiB; 10 s of /dev/zero: $(mib "$peak_zero") MiB; 1 GB csv row with --field: $(mib "$peak_row") MiB; with -d ';' --field year --header --columns: $(mib "$peak_row_options") MiB | < 8 MiB |"
  if [ -n "${BENCH_BASE:-}" ]; then
    for r in conv-sc conv-ey conv-aw tsv-ey jsonl-ey csv-ey field-tsv-ey field-csv-ey header-ey named-ey \
      delimiter-ey columns-ey all-new-ey; do
      base=base-$r
      [ "$(median_of "$base")" ] || base=base-header-ey
      anchor=floor-ey
      case $r in conv-sc | conv-aw) anchor=floor-${r#conv-} ;; esac
      echo "| $r: before ($base, BENCH_BASE) and after | $(median_of $base) ns, $(median_of $r) ns: $(ratio "$(median_of $r)" "$(median_of $base)")×; the I/O floor: $(ratio "$(median_of $r)" "$(median_of $anchor)")× | ≤ 1.00× |"
    done
  fi
}
if [ "$part" = batch ]; then
  echo "| Measure | Result | Goal |"
  echo "|---|---|---|"
  batch_table
  echo
  echo "Medians of ${BATCH_ROUNDS:-25} interleaved rounds on processor $cpu; $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)."
  exit 0
fi

echo "| Measure | Result | Goal |"
echo "|---|---|---|"
for c in SC EY AW; do
  echo "| convert, $c entries | $(convert_ns $c) ns CPU per call | < 200 ns |"
done
batch_table
startup_table
echo
echo "Medians (batch: ${BATCH_ROUNDS:-25} interleaved rounds on processor $cpu, start-up: ${ROUNDS:-60} interleaved rounds); $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)."
