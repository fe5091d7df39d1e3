#!/usr/bin/env bash
# Installs, builds and runs every test (offscreen, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
