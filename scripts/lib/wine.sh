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

# tweak_wineserver_start PREFIX: a persistent server, and a desktop that stays open until
# tweak_wine_stop, both started with their output on /dev/null.
#
# Wine's helper processes (services, winedevice, plugplay, rpcss) start with the first Wine
# process and inherit its output; under a persistent server they never exit, so if that first
# process were a test run by ctest, ctest would wait on its pipe forever. The desktop process
# (explorer.exe /desktop) is different: Wine starts it when a process first needs the desktop
# window and closes it one second after the last process using the desktop has gone. Without a
# process that keeps the desktop in use, every test started a new explorer.exe that held the
# test's output pipe until it closed again: ctest waited that second after each test, and the
# next test started while the old desktop was still being torn down, where a process now and
# then died before it printed anything. A console cmd.exe reading a pipe that nobody writes to
# keeps the desktop in use until tweak_wine_stop.
tweak_wineserver_start() {
  tweak_wine_env "$1"
  "$WINESERVER" -k 2>/dev/null
  "$WINESERVER" -w
  "$WINESERVER" -p
  local keeper ready
  keeper=$(mktemp -d /tmp/tweak-desktop.XXXXXX)
  ready="$keeper/ready"
  mkfifo "$keeper/input"
  # The writer gives cmd.exe one command (showing that it runs and holds the desktop), then keeps
  # the pipe open without writing until it is killed.
  { printf 'echo ready>"Z:%s"\r\n' "${ready//\//\\}"; exec sleep infinity; } >"$keeper/input" &
  TWEAK_DESKTOP_WRITER_PID=$!
  TWEAK_DESKTOP_DIR="$keeper"
  "$WINE64" cmd.exe /q /k <"$keeper/input" >/dev/null 2>&1 &
  local waited=0
  until [ -e "$ready" ]; do
    sleep 0.1
    waited=$((waited + 1))
    if [ "$waited" -ge 600 ]; then echo "wine: the desktop keeper did not start" >&2; return 1; fi
  done
  # A program that makes a window: the desktop and the helpers start here, with this output.
  "$WINE64" rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1
  if ! tweak_wine_desktop_running; then echo "wine: no desktop process for $WINEPREFIX" >&2; return 1; fi
}

# tweak_wine_desktop_running: true when the desktop process of $WINEPREFIX's server runs.
tweak_wine_desktop_running() {
  local environ
  for environ in /proc/[0-9]*/environ; do
    grep -qzxF "WINEPREFIX=$WINEPREFIX" "$environ" 2>/dev/null || continue
    tr '\0' ' ' <"${environ%/environ}/cmdline" 2>/dev/null | grep -q 'explorer.exe /desktop' && return 0
  done
  return 1
}

tweak_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null
  [ -n "${TWEAK_DESKTOP_WRITER_PID:-}" ] && kill "$TWEAK_DESKTOP_WRITER_PID" 2>/dev/null
  [ -n "${TWEAK_DESKTOP_DIR:-}" ] && rm -rf "$TWEAK_DESKTOP_DIR"
  [ -n "${TWEAK_XVFB_PID:-}" ] && kill "$TWEAK_XVFB_PID" 2>/dev/null
  TWEAK_XVFB_PID="" TWEAK_DESKTOP_WRITER_PID="" TWEAK_DESKTOP_DIR=""
  return 0
}
