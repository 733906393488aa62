#!/usr/bin/env bash
# Builds Yerbalia (Release), creates the demo data directory demo/ from the
# bundled sample when it is missing, and shows what it holds.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"

build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2

demo="$root/demo"
if [ ! -e "$demo/Yerbalia.sqlite3" ]; then
  "$build/src/app/yerbalia-db" init --sample "$demo"
fi
"$build/src/app/yerbalia-db" show "$demo"
