#!/usr/bin/env bash
# Builds tavrin-convert and converts the six sample definitions of the window's
# source box, printing the declarations as UTF-8 for the terminal.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target tavrin-convert >/dev/null
echo "Input (tests/data/sample.h):"
cat tests/data/sample.h
echo "Output:"
build/native/cli/tavrin-convert --utf8 tests/data/sample.h
