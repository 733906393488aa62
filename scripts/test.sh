#!/usr/bin/env bash
# The one test command: installs dependencies, checks the house style of the
# sources, builds a Debug build with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test with CTest.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/format.sh" --check

build="$root/build/test"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DYERBALIA_SANITIZE=ON >/dev/null
cmake --build "$build" -j2

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest --output-on-failure -j2 "$@"
