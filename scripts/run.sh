#!/usr/bin/env bash
# Builds Yerbalia (Release), creates the demo data directory demo/ from the
# bundled sample when it is missing, and starts the application there.
# Arguments go to the application: `scripts/run.sh tezlap` starts in editor mode.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"

build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target yerbalia yerbalia-db

demo="$root/demo"
if [ ! -e "$demo/Yerbalia.sqlite3" ]; then
  "$build/src/app/yerbalia-db" init --sample "$demo"
fi
cd "$demo"
exec "$build/src/app/yerbalia" "$@"
