#!/usr/bin/env bash
# Builds Tavrin.exe and opens its window: under Wine (in the build's own
# prefix, on the user's display) on Linux, and as the .exe itself on Windows.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
case "$(uname -s)" in
  MINGW* | MSYS* | CYGWIN*) windows=1 ;;
  *) windows=0 ;;
esac
[ "$windows" = 1 ] || scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tavrin >/dev/null
program=build/windows/ui/Tavrin.exe
if [ "$windows" = 1 ]; then
  exec "$program"
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "run.sh: no display to open the window on (DISPLAY is not set)." >&2
  echo "  Run it from a desktop session, or e.g. under xvfb-run." >&2
  exit 1
fi
exec cmake/wine-run "$program"
