# Wine on these machines: the 64-bit loader only, a prefix per build tree, a private Xvfb display
# and a persistent wineserver. Sourced by scripts/wine-run, scripts/wine-ctest and scripts/run.

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# tweak_wine_env PREFIX: the environment every Wine process of ours runs with.
tweak_wine_env() {
  export WINEPREFIX="$1" WINEARCH=win64 WINEDLLOVERRIDES='mscoree,mshtml='
  export WINEDEBUG="${WINEDEBUG:--all}"
}

# tweak_wine_prefix PREFIX: creates the prefix once (under a lock, so parallel callers wait).
tweak_wine_prefix() {
  local prefix="$1"
  [ -f "$prefix/.tweak-ready" ] && return 0
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    [ -f "$prefix/.tweak-ready" ] && exit 0
    tweak_wine_env "$prefix"
    "$WINE64" wineboot -i </dev/null >/dev/null 2>&1
    # Wine does not look in fonts-wine's folder by itself.
    ln -sf /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null
    # Without a window manager, unmanaged windows keep their frames in the X window.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    # A crashing program ends at once instead of waiting in the debugger until a test times out.
    "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
      /v Debugger /d '' /f </dev/null >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$prefix/.tweak-ready"
  ) 9>"$prefix.lock"
}

# tweak_xvfb_start: starts a private Xvfb and exports DISPLAY; TWEAK_XVFB_PID names it.
tweak_xvfb_start() {
  local fifo display
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp 4>"$fifo" >/dev/null 2>&1 &
  TWEAK_XVFB_PID=$!
  read -r display <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$display"
}

# tweak_wineserver_start PREFIX: a persistent server, primed so that Wine's helper processes
# start with their output on /dev/null (otherwise they hold a test runner's pipe open forever).
tweak_wineserver_start() {
  tweak_wine_env "$1"
  "$WINESERVER" -k 2>/dev/null
  "$WINESERVER" -w
  "$WINESERVER" -p
  "$WINE64" cmd.exe /c exit </dev/null >/dev/null 2>&1
}

tweak_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null
  [ -n "${TWEAK_XVFB_PID:-}" ] && kill "$TWEAK_XVFB_PID" 2>/dev/null
  TWEAK_XVFB_PID=""
  return 0
}
