# A Wine session of a build's own, for running Windows programs with windows:
# a Wine prefix under the build folder (with "MS Sans Serif" from fonts-wine,
# no menu entries, no Mono or Gecko), an X server of its own (Xvfb) with a
# window manager (openbox: without one every hide stalls Wine for 2 s) and a
# persistent wineserver, all stopped again when the shell exits. Nothing is
# written into the user's home.
#
# Source it, then:
#   wine_session_start DIR [LOGPIXELS]   prefix DIR/prefix, logs in DIR
#   wine_run PROGRAM ARGS...             runs a program under the session's Wine
#   wine_session_stop                    (also run on exit)
# It exports WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES, DISPLAY and MRV_WINE
# (the wine binary) for the caller's own commands.

MRV_WINE=${MRV_WINE:-/usr/lib/wine/wine64}
MRV_WINESERVER=${MRV_WINESERVER:-/usr/lib/wine/wineserver}
mrv_wine_pids=()

# Polls a command until it succeeds, for at most `tries` tenths of a second.
_wine_wait_for() {
  local tries=$1
  shift
  until "$@" >/dev/null 2>&1; do
    ((--tries > 0)) || return 1
    sleep 0.1
  done
}

_wine_has_window_manager() {
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

wine_session_start() {
  local dir=$1 dpi=${2:-96}
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  export WINEPREFIX=$dir/prefix WINEDEBUG=-all
  export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
  # openbox and Wine keep their caches and settings here, not in $HOME.
  export XDG_CACHE_HOME=$dir/xdg/cache XDG_CONFIG_HOME=$dir/xdg/config XDG_DATA_HOME=$dir/xdg/data
  mkdir -p "$XDG_CACHE_HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
  trap wine_session_stop EXIT

  rm -f "$dir/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  mrv_wine_pids+=($!)
  _wine_wait_for 100 grep -q . "$dir/display" || { cat "$dir/xvfb.log" >&2; return 1; }
  export DISPLAY=:$(head -n 1 "$dir/display")
  openbox --sm-disable >"$dir/openbox.log" 2>&1 &
  mrv_wine_pids+=($!)
  _wine_wait_for 100 _wine_has_window_manager || { cat "$dir/openbox.log" >&2; return 1; }

  local fresh=0
  [[ -f $WINEPREFIX/system.reg ]] || fresh=1
  mkdir -p "$WINEPREFIX"
  "$MRV_WINESERVER" -p
  if ((fresh)); then
    "$MRV_WINE" wineboot --init >"$dir/wineboot.log" 2>&1
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  wine_reg_dword 'HKCU\Control Panel\Desktop' LogPixels "$dpi"
}

# Sets a REG_DWORD value in the session's prefix.
wine_reg_dword() {
  "$MRV_WINE" reg add "$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null 2>&1
}

wine_reg_string() {
  "$MRV_WINE" reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null 2>&1
}

wine_run() {
  "$MRV_WINE" "$@"
}

wine_session_stop() {
  if [[ -n ${WINEPREFIX:-} ]]; then
    "$MRV_WINESERVER" -k 2>/dev/null || true
    "$MRV_WINESERVER" -w 2>/dev/null || true
  fi
  local pid
  for ((i = ${#mrv_wine_pids[@]} - 1; i >= 0; i--)); do
    pid=${mrv_wine_pids[i]}
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  mrv_wine_pids=()
  return 0
}
