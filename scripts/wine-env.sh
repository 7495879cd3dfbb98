# Sourced by the scripts that run Windows programs: a private Wine prefix, a virtual screen and a
# persistent wineserver started apart from the caller's pipes; wine_env_stop ends what was started.
: "${QRV_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
export WINEPREFIX="${WINEPREFIX:-$QRV_ROOT/build/wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
QRV_STARTED_XVFB=""

wine32_installed() {
  [ -e /usr/lib/wine/wine ] || [ -d /usr/lib/i386-linux-gnu/wine/i386-windows ]
}

# A prefix made by a Wine without its 32-bit part has no 32-bit system folder; once that part is
# installed, Wine starts no program in such a prefix, 64-bit ones included.
prefix_lacks_32bit_part() {
  [ -f "$WINEPREFIX/system.reg" ] && [ ! -e "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]
}

# 32-bit programs run: Wine's 32-bit part is installed and the prefix, if made, was made with it.
wine_runs_32bit() {
  wine32_installed && ! prefix_lacks_32bit_part
}

wine_env_start() {
  if wine32_installed && prefix_lacks_32bit_part; then
    echo "wine-env: $WINEPREFIX was made before Wine's 32-bit part was installed, and Wine" \
      "cannot start programs in it any more; remove it and it is made again" >&2
    return 1
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # No window manager runs on the virtual screen: unmanaged windows show and hide at once.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w || true
  fi
  if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display itself and writes its number once it accepts clients, so two
    # scripts started together never share a screen.
    local number_file
    number_file=$(mktemp)
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" </dev/null \
      >/dev/null 2>&1 &
    QRV_STARTED_XVFB=$!
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
    export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    rm -f "$number_file"
  fi
  # The server and Wine's service processes outlive the programs that start them and keep the
  # standard handles they were given: start both here, on /dev/null, so that no test runner
  # waits on a pipe they hold.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  setsid wineserver -p </dev/null >/dev/null 2>&1 || true  # it forks itself into the background
  setsid wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

wine_env_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "$QRV_STARTED_XVFB" ]; then kill "$QRV_STARTED_XVFB" 2>/dev/null || true; fi
}
