#!/usr/bin/env bash
# Builds both configurations: build/native (g++, sanitizers) and build/win
# (mingw-w64, 32-bit Windows, static).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

configure() {  # build-dir [cmake args...]
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$dir.configure.log" 2>&1 ||
      { cat "$dir.configure.log"; exit 1; }
  fi
}

mkdir -p "$root/build"
configure "$root/build/native"
configure "$root/build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
for dir in native win; do
  cmake --build "$root/build/$dir" -j"$jobs" >"$root/build/$dir.build.log" 2>&1 ||
    { tail -n 60 "$root/build/$dir.build.log"; exit 1; }
done
