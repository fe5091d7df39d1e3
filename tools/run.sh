#!/usr/bin/env bash
# Installs, builds and starts roomlet. Without a display it starts a virtual one (Xvfb :90).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  Xvfb :90 -screen 0 1366x768x24 >/dev/null 2>&1 &
  export DISPLAY=:90
  sleep 1
  echo "no display found: roomlet runs on the virtual display :90"
fi
exec ./build/bin/roomlet
