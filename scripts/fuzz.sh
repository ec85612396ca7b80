#!/bin/sh
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time.
#   sh scripts/fuzz.sh [SECONDS]   (default 60 per target)
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev >/dev/null
CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2
for target in songheader playlist; do
    work=$(mktemp -d)
    cp fuzz/corpus/$target/* "$work"/
    echo "fuzzing $target for $seconds s"
    if ! ./build-fuzz/fuzz_$target -max_total_time="$seconds" -seed=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix=build-fuzz/$target- "$work" > build-fuzz/$target.log 2>&1; then
        tail -n 60 build-fuzz/$target.log
        echo "fuzz_$target found a failure; the input is in build-fuzz/$target-*" >&2
        exit 1
    fi
    tail -n 1 build-fuzz/$target.log
    rm -rf "$work"
done
