#!/usr/bin/env bash
# Runs the tests that need a real refusal from the operating system (their
# names hold "Refused") as an unprivileged user: as root neither Linux nor
# Wine refuses to overwrite a read-only file. Under root they skip; here a
# skip is a failure, since nothing would then have been checked.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
user=dazovar-test

if [ "$(id -u)" -eq 0 ]; then
  id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
  as_user() { runuser -u "$user" -- "$@"; }
else
  as_user() { "$@"; }
fi

work=$(mktemp -d /tmp/dazovar-unprivileged.XXXXXX)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/native" "$work/win" "$work/tmp" "$work/home" "$work/logs"
find "$root/build/native/tests" -maxdepth 2 -type f -name '*_tests' -perm -u+x -exec cp {} "$work/native/" \;
find "$root/build/win/tests" -maxdepth 2 -type f -name '*_tests.exe' -exec cp {} "$work/win/" \;
[ -f "$root/build/win/app/DazovAR.exe" ] && cp "$root/build/win/app/DazovAR.exe" "$work/win/"
cp "$root/scripts/wine-session.sh" "$work/"
# A folder that holds an image but in which the user may not create files:
# Wine ignores the read-only attribute on folders, so it is made here.
mkdir -p "$work/locked"
printf 'x' >"$work/locked/p.png"
chmod 555 "$work/locked"
chmod -R a+rX "$work"
[ "$(id -u)" -eq 0 ] && chown -R "$user" "$work/tmp" "$work/home" "$work/logs"
chmod 755 "$work"

status=0
check_log() {  # name log
  if ! grep -q '^\[  PASSED  \] [1-9]' "$2" || grep -q '^\[  SKIPPED \]' "$2" || grep -q '^\[  FAILED  \]' "$2"; then
    echo "FAILED: $1 (as $user)"; cat "$2"; status=1
  else
    echo "passed: $1 ($(grep -o '^\[  PASSED  \] [0-9]*' "$2" | grep -o '[0-9]*$') tests as $user)"
  fi
}

for exe in "$work"/native/*_tests; do
  [ -e "$exe" ] || continue
  "$exe" --gtest_list_tests --gtest_filter='*Refused*' | grep -q '^  ' || continue
  log="$work/logs/$(basename "$exe").native.log"
  as_user env HOME="$work/home" TMPDIR="$work/tmp" "$exe" --gtest_filter='*Refused*' >"$log" 2>&1 || true
  check_log "native $(basename "$exe")" "$log"
done

win_exes=$(ls "$work"/win/*_tests.exe 2>/dev/null || true)
if [ -n "$win_exes" ]; then
  cat >"$work/run-win.sh" <<'INNER'
set -u
work=$1; shift
. "$work/wine-session.sh"
export HOME="$work/home"
unset DISPLAY
wine_session_start "$work/home/wineprefix" || exit 1
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
export DAZOVAR_EXE="$(winpath "$work/win/DazovAR.exe")"
export DAZOVAR_LOCKED_FOLDER="$(winpath "$work/locked")"
for exe in "$@"; do
  wine "$exe" --gtest_filter='*Refused*' >"$work/logs/$(basename "$exe").win.log" 2>&1 </dev/null
done
wine_session_stop
INNER
  selected=()
  for exe in $win_exes; do
    grep -q 'Refused' "$exe" && selected+=("$exe")
  done
  if [ ${#selected[@]} -gt 0 ]; then
    as_user bash "$work/run-win.sh" "$work" "${selected[@]}"
    for exe in "${selected[@]}"; do check_log "Wine $(basename "$exe")" "$work/logs/$(basename "$exe").win.log"; done
  fi
fi
exit $status
