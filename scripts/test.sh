#!/usr/bin/env bash
# Builds every build and runs every test: natively, natively under
# AddressSanitizer and UndefinedBehaviorSanitizer, a bounded run of each fuzz
# target, then the Windows build under Wine, whose window tests run on a
# display of their own (Xvfb). Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh

export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null || true' EXIT

status=0
for preset in native native-sanitize fuzz windows; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset tests"
  if [ "$preset" = windows ]; then
    # A wineserver left from another display would put the windows there.
    wineserver -k 2>/dev/null || true
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ctest --preset "$preset" || status=1
  else
    ctest --preset "$preset" || status=1
  fi
done
exit $status
