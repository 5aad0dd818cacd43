# Sourced by the scripts: a Wine prefix of the build's own and a display.
#   wine_session_start PREFIX   creates the 32-bit prefix when missing, starts
#                               Xvfb when no DISPLAY is set, and a persistent
#                               wineserver with the services up
#   wine_session_stop           ends both again
# Wine output goes to files, never to a pipe: its helper processes inherit a
# pipe and keep it open.

wine_env() {
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEARCH=win32 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

wine_session_start() {
  local prefix=$1
  wine_env
  export WINEPREFIX=$prefix
  if [ -z "${DISPLAY:-}" ]; then
    local n=$((90 + RANDOM % 400))
    while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_SESSION_XVFB=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$(dirname "$prefix")"
    wineboot -i >"$prefix.boot.log" 2>&1 || { cat "$prefix.boot.log"; return 1; }
    wineserver -w
  fi
  wineserver -p
  # Once more, so the services are up before the first test starts.
  wineboot >>"$prefix.boot.log" 2>&1 || true
}

wine_session_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "${WINE_SESSION_XVFB:-}" ]; then
    kill "$WINE_SESSION_XVFB" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB" 2>/dev/null || true
    unset WINE_SESSION_XVFB DISPLAY
  fi
}
