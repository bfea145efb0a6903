#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTORV_TESTS=OFF -DTORV_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/app/torv ]; then
  exec build/app/torv "$@"
fi
echo "The main window is not built yet: nothing to start."
