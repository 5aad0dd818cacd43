#!/usr/bin/env bash
# Sets up what is missing, builds, and starts DazovAR.exe under Wine as on a
# Japanese Windows (code page 932), in a Wine prefix of its own under build/.
# Without a display it starts a virtual one (Xvfb) and says so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
. "$root/scripts/wine-session.sh"
if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY: the window opens on a virtual screen (Xvfb)."
fi
wine_session_start "$root/build/run-prefix"
trap wine_session_stop EXIT
wine "$root/build/win/app/DazovAR.exe" >"$root/build/run.log" 2>&1
