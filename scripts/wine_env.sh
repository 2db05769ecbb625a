# Sourced by the scripts: a private Wine prefix inside the build folder, a
# virtual display when none is set, and no window manager stalls.
: "${HALTWISE_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/windows}"
export WINEPREFIX="$HALTWISE_BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

haltwise_start_display() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=$(( 90 + RANDOM % 9 ))
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    HALTWISE_XVFB_PID=$!
    export DISPLAY=":$n"
    sleep 1
  fi
}

haltwise_stop_display() {
  if [ -n "${HALTWISE_XVFB_PID:-}" ]; then kill "$HALTWISE_XVFB_PID" 2>/dev/null || true; fi
}

haltwise_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    timeout 300 wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  # 100 % unless a journey asks for another display scale.
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
  # Wine does not offer the raster fonts of its data folder by itself; the
  # LCD panel's "Small Fonts" must be the real raster face, not a substitute.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f /usr/share/wine/fonts/smalle.fon ] && [ ! -f "$fonts/smalle.fon" ]; then
    mkdir -p "$fonts" && cp /usr/share/wine/fonts/smalle.fon "$fonts/"
  fi
  # A crash ends the process at once instead of waiting in the debugger.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d false /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1 /f >/dev/null 2>&1
}

haltwise_stop_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
