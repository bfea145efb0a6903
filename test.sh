#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings on and runs every test.
# TORV_SANITIZE=1 ./test.sh builds and tests under AddressSanitizer and UBSan instead
# (with clang when it is there, the fuzz targets in the same build).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh

if [ "${TORV_SANITIZE:-0}" = "1" ]; then
  dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORV_SANITIZE=ON -DTORV_BENCH=OFF)
  # With clang the same build also holds the fuzz targets, so the fuzz run
  # (TORV_FUZZ_DIR=build-asan scripts/fuzz.sh) needs no build of its own.
  if command -v clang++ >/dev/null; then
    flags+=(-DCMAKE_CXX_COMPILER=clang++ -DTORV_FUZZ=ON)
  fi
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir=build
  flags=(-DCMAKE_BUILD_TYPE=Release)
fi

cmake -S . -B "$dir" "${flags[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"

# Tests never see the user's real settings or a real display.
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
cd "$dir"
ctest --output-on-failure -j"$(nproc)"
