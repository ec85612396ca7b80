#!/bin/sh
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the whole test suite once, leak
# detection on; only leaks inside the toolkit's own libraries are suppressed.
set -e
cd "$(dirname "$0")/.."
top=$(pwd)
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DDZZ_BUILD_BENCHMARK=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j2
cd build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# the package test would package the instrumented program; it ran in the plain build
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 600 -E debian_package
