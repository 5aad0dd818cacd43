#!/usr/bin/env bash
# Sets up what is missing, builds both configurations and runs every test:
# natively (with sanitizers), under Wine with code page 932, and the access
# tests once more as an unprivileged user, for whom the OS really refuses.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
. "$root/scripts/wine-session.sh"

jobs=$(nproc)
status=0

echo "== native tests"
(cd "$root/build/native" && ctest --output-on-failure -j"$jobs" --timeout 300) || status=1

echo "== Windows tests under Wine"
wine_session_start "$root/build/wineprefix"
(cd "$root/build/win" && ctest --output-on-failure --timeout 600) || status=1
wine_session_stop

echo "== access tests as an unprivileged user"
"$root/scripts/test-unprivileged.sh" || status=1

[ $status -eq 0 ] && echo "== all tests passed" || echo "== some tests FAILED"
exit $status
