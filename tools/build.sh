#!/usr/bin/env bash
# Installs what is missing, then configures and builds roomlet into build/ (program in build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
