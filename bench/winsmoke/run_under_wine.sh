#!/usr/bin/env bash
# Runs the smoke host on a module file under Wine: headless (Wine's null graphics driver, so the
# host window exists without a display) and with ALSA's null device, so DirectSound has a device
# to play on. The Wine prefix lives in the build tree and is made once.
#
#   run_under_wine.sh                      builds the 64-bit module and host (the win64 preset)
#                                          and runs the host on that module
#   run_under_wine.sh win32 <module file>  runs the 32-bit host of the win32 preset (built
#                                          already) on a 32-bit module file, FS2004's own
#
# Exits 77 (skipped) when Wine is not installed, unless VAREK_REQUIRE_WINE is set, as in CI;
# scripts/install-deps.sh --wine installs it. The 32-bit run also exits 77 where 32-bit programs
# do not run at all (many kernels run none, whatever Wine packages are installed).
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD

if [ "${1:-}" = win32 ]; then
  bits=32
  module=$(realpath "$2")
  tree=$root/build/win32
  wine=$(command -v wine || true)
else
  bits=64
  tree=$root/build/win64
  module=$tree/Varek_Instr.gau
  cmake --preset win64 > /dev/null
  cmake --build --preset win64
  wine=$(command -v wine64 || true)
  if [ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ]; then
    wine=/usr/lib/wine/wine64
  fi
fi
wineserver=$(command -v wineserver || true)
if [ -z "$wineserver" ] && [ -x /usr/lib/wine/wineserver ]; then
  wineserver=/usr/lib/wine/wineserver
fi
if [ -z "$wine" ] || [ -z "$wineserver" ]; then
  if [ $bits = 32 ]; then
    echo "Skipped: 32-bit Wine (the wine command and wine32) is not installed, so the module"
    echo "file was not run."
    exit 77
  fi
  if [ -n "${VAREK_REQUIRE_WINE:-}" ]; then
    echo "Wine (wine64) is required here but not installed: run scripts/install-deps.sh --wine"
    exit 1
  fi
  echo "Skipped: Wine (wine64) is not installed, so the module was built but not run;"
  echo "scripts/install-deps.sh --wine installs it."
  exit 77
fi

export WINEPREFIX=$tree/wine-prefix
export WINEARCH=win$bits
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export ALSA_CONFIG_PATH=/usr/share/alsa/alsa.conf:$root/bench/winsmoke/asound-null.conf
unset DISPLAY WAYLAND_DISPLAY
host=$tree/bench/winsmoke/winsmoke.exe

# Whether this machine runs 32-bit programs shows in the host's own usage line.
if [ $bits = 32 ] && ! "$wine" "$host" 2>&1 | grep -q "usage: winsmoke"; then
  echo "Skipped: this machine does not run 32-bit programs, so the 32-bit host did not run:"
  "$wine" "$host" 2>&1 | tail -2 || true
  exit 77
fi

# A new prefix starts with the null graphics driver set before the smoke host runs in it.
if [ ! -f "$WINEPREFIX/varek-prefix-ready" ]; then
  rm -rf "$WINEPREFIX"
  "$wine" wineboot --init > /dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f > /dev/null 2>&1
  "$wineserver" -w
  touch "$WINEPREFIX/varek-prefix-ready"
fi

# Wine reads Windows paths; the root of the file system is drive Z:.
status=0
"$wine" "$host" "Z:${module//\//\\}" || status=$?
"$wineserver" -w
exit $status
