#!/bin/sh
# Installs what is needed, builds, and opens the editor on the bundled sample
# library. It runs in a scratch working directory whose settings file points
# at the sample folders, so your own settings file is never touched.
set -e
cd "$(dirname "$0")/.."
top=$(pwd)
sh scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target duzedazizodava
work=$(mktemp -d)
printf '%s\n%s' "$top/sample/songs" "$top/sample/playlists" > "$work/KOVA_settings"
cd "$work"
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    echo "No display found: starting the editor on a virtual display (xvfb-run)." >&2
    exec xvfb-run -a "$top/build/duzedazizodava"
fi
exec "$top/build/duzedazizodava"
