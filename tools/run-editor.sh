#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it. Extra arguments
# (a mission file) are passed to the editor.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j2
if [ -x "$root/build/vantorel" ]; then
  exec "$root/build/vantorel" "$@"
fi
exec "$root/build/vantorel-cli" --help
