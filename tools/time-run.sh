#!/usr/bin/env bash
# Times the run command (tools/run.sh) to the moment its window program is
# running, twice: the first time as it comes (on a new machine: installing,
# configuring, building), the second time with nothing left to do. The
# window is shown offscreen, so no display is needed; each run is ended once
# its program is up.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
for run in first second; do
  log=$(mktemp)
  start=$(date +%s.%N) t0=$SECONDS
  # Each line of its output after the seconds since the start.
  bash tools/run.sh > >(while IFS= read -r line; do printf '%4ds %s\n' $((SECONDS - t0)) "$line"; done >"$log") 2>&1 &
  pid=$!
  # run.sh ends in exec, so its process becomes the window program.
  until [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == */MRVDate ]]; do
    kill -0 "$pid" 2>/dev/null || {
      cat "$log"
      echo "time-run: the run command ended before the window program started" >&2
      exit 1
    }
    sleep 0.01
  done
  end=$(date +%s.%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  [[ $run == second ]] || grep -E '^ *[0-9]+s (setup:|\[[0-9]+/[0-9]+\] Linking|-- Build files)' "$log" || true
  awk -v r="$run" -v a="$start" -v b="$end" 'BEGIN { printf "time-run: %s run, window program running after %.1f s\n", r, b - a }'
  # The processor time of the run command's processes so far (user, system).
  times >"$log" # in this shell: a pipe would ask a subshell, which has no children
  echo "time-run: processor time after the $run run (user, system): $(tail -n 1 "$log")"
  rm -f "$log"
done
