#!/bin/sh
# Renews docs/screenshot.png: the window on the sample library under Xvfb,
# after "Lade Songs", "Lade Playlisten" and "Playlist laden".
set -e
cd "$(dirname "$0")/.."
top=$(pwd)
cmake --build build -j2 --target dzz_screenshot
work=$(mktemp -d)
printf '%s\n%s' "$top/sample/songs" "$top/sample/playlists" > "$work/KOVA_settings"
mkdir -p docs
cd "$work"
# a window manager-less X server: the frame sits at 0,0 without decorations
xvfb-run -a -s "-screen 0 1280x1024x24" "$top/build/tests/dzz_screenshot" "$top/docs/screenshot.png" \
    songs playlists playlist
rm -rf "$work"
