#!/bin/sh
# Runs a Windows program under Wine in the project's private prefix (made by scripts/wine-env.sh).
: "${WINEPREFIX:=${QRV_WINEPREFIX:-$HOME/.qrv-wine}}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
