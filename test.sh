#!/usr/bin/env bash
# Sets up, builds and runs every test: the plain build, the same suite under a
# German locale, and the engine and core under Address- and
# UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
jobs=$(nproc)
"$root/scripts/setup.sh"

echo "== plain build"
"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure -j "$jobs")

echo "== German locale"
(cd "$root/build" && LC_ALL=de_DE.UTF-8 ctest --output-on-failure -j "$jobs")

echo "== sanitizer build"
"$root/scripts/build.sh" "$root/build-asan" -DPELLWICK_SANITIZE=ON -DPELLWICK_WITH_UI=OFF -DPELLWICK_WITH_BENCH=OFF
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$jobs")
