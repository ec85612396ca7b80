#!/bin/sh
# Debian packages for building, testing and running the editor (run as root).
set -e
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
    build-essential cmake pkg-config libwxgtk3.2-dev libgtk-3-dev \
    libgtest-dev xvfb xauth \
    dpkg-dev file xdotool x11-utils >/dev/null
