#!/usr/bin/env bash
# Builds both builds and runs the benchmarks; the figures are written to
# standard output.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh
for preset in native windows; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done
exec python3 bench/run_bench.py
