#!/usr/bin/env bash
# The benchmark of the index generator, natively and under Wine (see README.md).
#   bench/run.sh [FOLDERS [FILES]]     default 2000 folders, 100000 files
# Builds its own release exes (build/bench-native without sanitizers,
# build/bench-win) and uses a Wine prefix of its own, so it neither slows nor
# stops the Wine sessions of the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folders=${1:-2000}
files=${2:-100000}
jobs=$(nproc)

build() {  # dir target... -- cmake args...
  local dir=$1; shift
  local targets=()
  while [ "$1" != -- ]; do targets+=(--target "$1"); shift; done
  shift
  if [ ! -f "$dir/Makefile" ]; then
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >"$dir.configure.log" 2>&1 ||
      { cat "$dir.configure.log"; exit 1; }
  fi
  cmake --build "$dir" -j"$jobs" "${targets[@]}" >"$dir.build.log" 2>&1 || { tail -n 40 "$dir.build.log"; exit 1; }
}

mkdir -p "$root/build"
build "$root/build/bench-native" bench_index -- -DDAZOVAR_SANITIZE=OFF
build "$root/build/bench-win" bench_index bench_list -- -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"

. "$root/scripts/wine-session.sh"
wine_session_start "$root/build/bench-wineprefix"
trap wine_session_stop EXIT

python3 "$root/bench/run.py" --folders "$folders" --files "$files" \
  --native-index "$root/build/bench-native/bench/bench_index" \
  --win-index "$root/build/bench-win/bench/bench_index.exe" \
  --win-list "$root/build/bench-win/bench/bench_list.exe" \
  --wine-run "$root/scripts/wine-run"
