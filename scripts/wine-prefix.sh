#!/usr/bin/env bash
# Makes the build's own Wine prefix: a fresh 64-bit prefix with a virtual
# desktop, so that windows get frames and focus without a window manager.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${TAVRIN_WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=-all
export WINEARCH=win64
export WINEDLLOVERRIDES=mscoree,mshtml=
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineboot --init
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
# Chinese text in the user-interface fonts: Windows links its Latin fonts to
# a Chinese one; here the Chinese font is WenQuanYi Micro Hei.
for face in Tahoma 'Microsoft Sans Serif' 'MS Sans Serif' 'Segoe UI'; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f
done
wineserver --wait
touch "$WINEPREFIX/.tavrin-ready-2"
