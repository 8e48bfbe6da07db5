#!/usr/bin/env bash
# Configures and builds into build/ (the program, its data folder, tests, benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build -DQT_WERROR=$werror >/dev/null
cmake --build build -j"$(nproc)"
