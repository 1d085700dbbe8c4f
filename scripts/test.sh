#!/usr/bin/env bash
# Builds every build and runs every test: natively, natively under
# AddressSanitizer and UndefinedBehaviorSanitizer, a bounded run of each fuzz
# target, then the Windows build under Wine. Installs what is missing first.
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
  ctest --preset "$preset" || status=1
done
exit $status
