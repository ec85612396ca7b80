#!/bin/sh
# Builds the .deb, unpacks it into a scratch root, and starts the installed
# program until its window appears; then closes it with Alt+F4.
#   package_test.sh BUILD_DIR
set -e
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$build"
cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in
    *libwxgtk3.2*) ;;
    *) echo "the package does not depend on the toolkit's runtime package" >&2; exit 1 ;;
esac
dpkg-deb -x "$deb" "$work/root"
for f in usr/bin/duzedazizodava usr/share/applications/duzedazizodava.desktop \
         usr/share/icons/hicolor/48x48/apps/duzedazizodava.png; do
    [ -e "$work/root/$f" ] || { echo "missing from the package: $f" >&2; exit 1; }
done

mkdir "$work/cwd"
cd "$work/cwd"
"$work/root/usr/bin/duzedazizodava" &
pid=$!
window=
for i in $(seq 1 100); do
    window=$(xdotool search --name "^Cantavo DuzedaziZodava v1.3$" 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    kill "$pid" 2>/dev/null
    echo "the installed program showed no window" >&2
    exit 1
fi
echo "window $window appeared"
xdotool windowfocus --sync "$window" key alt+F4 || true
for i in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    echo "the program did not close on Alt+F4" >&2
    exit 1
fi
wait "$pid"
[ ! -e KOVA_settings ] || { echo "quitting wrote the settings file" >&2; exit 1; }
echo "closed"
