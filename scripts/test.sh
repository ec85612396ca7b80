#!/bin/sh
# Installs what is needed, builds, and runs every test under a virtual display.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
cd build
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 300
