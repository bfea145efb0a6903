#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
# Only the program and its report viewer: the tests are ./test.sh's business.
cmake --build build -j"$(nproc)" --target torv
exec build/app/torv "$@"
