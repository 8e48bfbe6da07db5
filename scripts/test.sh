#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite. Window tests need a display: when
# there is none, a private Xvfb is started. Sound tests render through OpenAL
# Soft's loopback device; anything that opens a real device gets the null backend.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  for n in $(seq 90 120); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    break
  done
fi
export ALSOFT_DRIVERS="${ALSOFT_DRIVERS:-null}"
export LIBGL_ALWAYS_SOFTWARE=1
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
