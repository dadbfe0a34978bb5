#!/bin/sh
# The Windows program's tests under wine (make windows-test builds what they
# need first): the import table, the same output bytes as the native program,
# and the interactive program in tmux. One wine prefix in build-windows/wine,
# booted once; one wine server for every run, stopped at the end.
set -u
cd "$(dirname "$0")/../.."
native=build/bidgauge
screen_dump=build/tests/web/bidgauge_screen_dump
windows=build-windows

for tool in wine wineboot wineserver tmux python3 x86_64-w64-mingw32-objdump; do
  command -v "$tool" >/dev/null || { echo "windows-test: $tool is missing" >&2; exit 1; }
done

export WINEPREFIX="$PWD/$windows/wine" WINEDEBUG=-all
# The console in the terminal, never a window of wine's own.
unset DISPLAY WAYLAND_DISPLAY
# No Mono or Gecko to install, and no sound driver: without a sound device,
# wine's ALSA driver prints its errors over the console. The program then falls
# back to the system beep.
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv,wineoss.drv=d"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
wineserver -p
trap 'wineserver -k 2>/dev/null' EXIT INT TERM

status=0
tests/windows/imports.sh "$windows/bidgauge.exe" || status=1
python3 tests/windows/same_output.py "$native" "$windows/bidgauge.exe" || status=1
python3 tests/windows/interactive.py "$windows" "$screen_dump" || status=1
exit $status
