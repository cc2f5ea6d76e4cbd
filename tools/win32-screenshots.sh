#!/usr/bin/env bash
# Renders the Windows program's windows to PNG under Wine, to look at: the
# main window with a result, a refusal box, Instructions and About, at 96
# and at 144 dpi, into BUILD_DIR/screenshots. Needs the test set and
# ImageMagick's import (imagemagick), which only this tool uses.
# Usage: tools/win32-screenshots.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: win32-screenshots.sh BUILD_DIR}" && pwd)
source "$here/../tests/win32/wine_session.sh"
out=$build/screenshots
mkdir -p "$out"

# The window titled $1, with its frame, once it is shown.
shoot() {
  local title=$1 file=$2 id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$title" 2>/dev/null | tail -n 1) && [[ -n $id ]] && break
    sleep 0.1
  done
  [[ -n $id ]] || { echo "screenshots: no window $title" >&2; return 1; }
  local frame
  frame=$(xwininfo -id "$id" -frame | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width/ {w=$2} /Height/ {h=$2} END {print w "x" h "+" x "+" y}')
  # Its frame: the window manager's decoration round Wine's window.
  local parent
  parent=$(xwininfo -id "$id" -tree | awk '/Parent window id/ {print $4}')
  [[ $parent != "$(xwininfo -root | awk '/Window id/ {print $4}')" ]] && id=$parent
  xdotool sleep 0.5
  import -window "$id" "$out/$file"
  echo "$out/$file ($frame)"
}

# Waits until no window titled $1 shows.
gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

for dpi in 96 144; do
  wine_session_start "$build/wine-screenshots-$dpi" "$dpi"
  "$MRV_WINE" "$build/win32/MRVDate.exe" &
  program=$!
  shoot "Morvane Timeline Date Converter$" "main-$dpi-start.png"
  xdotool type --delay 20 "361.98"
  xdotool key Return
  shoot "Morvane Timeline Date Converter$" "main-$dpi-result.png"
  xdotool type --delay 20 "11.46"
  xdotool key Return
  shoot "Morvane Date Converter$" "refusal-$dpi.png"
  xdotool key Return
  gone "Morvane Date Converter$"
  xdotool key alt+h i
  shoot "Instructions for" "instructions-$dpi.png"
  xdotool key Return
  gone "Instructions for"
  xdotool key alt+h b
  shoot "About MRV Date Converter" "about-$dpi.png"
  xdotool key Return
  gone "About MRV Date Converter"
  # Help > Exit (Ctrl+X would cut the selected entry)
  xdotool key alt+h x
  wait "$program"
  wine_session_stop
done
