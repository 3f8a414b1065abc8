#!/usr/bin/env bash
# Sets up, builds and starts Pellwick.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
program="$root/build/ui/pellwick"
if [ ! -x "$program" ]; then
  echo "Pellwick is built as far as it exists: the desktop program itself is not built yet."
  exit 0
fi
workdir="${HOME}/.local/share/pellwick"
mkdir -p "$workdir"
exec "$program" --dir "$workdir" "$@"
