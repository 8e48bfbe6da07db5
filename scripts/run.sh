#!/usr/bin/env bash
# Sets up, builds and starts the tracker.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd build && exec ./quadtracker
