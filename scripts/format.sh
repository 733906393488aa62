#!/usr/bin/env bash
# Formats the C++ sources with the house style (.clang-format).
#   scripts/format.sh          rewrites every file that differs
#   scripts/format.sh --check  changes nothing; lists the files that differ and fails if any does
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')

if [[ "${1:-}" == "--check" ]]; then
  differ=()
  for f in "${files[@]}"; do
    clang-format --style=file "$f" | cmp -s - "$f" || differ+=("$f")
  done
  if ((${#differ[@]})); then
    echo "format: these files are not in the house style (run scripts/format.sh):" >&2
    printf '  %s\n' "${differ[@]}" >&2
    exit 1
  fi
  echo "format: ${#files[@]} files in the house style"
else
  clang-format --style=file -i "${files[@]}"
fi
