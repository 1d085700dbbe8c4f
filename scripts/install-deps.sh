#!/usr/bin/env bash
# Installs, from Debian's archive, every package that the builds, the tests
# and the benchmarks need, when any is missing. Needs root (or sudo).
set -euo pipefail
packages=(
  cmake make g++ googletest libboost1.81-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 fonts-wine xvfb xauth fonts-wqy-microhei
  clang-14 libclang-rt-14-dev valgrind
  python3
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
