#!/usr/bin/env bash
# Builds the 64-bit Windows module and the smoke host (the win64 preset) and runs the host on
# the module under Wine: headless (Wine's null graphics driver, so the host window exists
# without a display) and with ALSA's null device, so DirectSound has a device to play on.
# The Wine prefix lives in the build tree and is made once.
#
# Exits 77 (skipped) when Wine is not installed, unless VAREK_REQUIRE_WINE is set, as in CI;
# scripts/install-deps.sh --wine installs it.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD

cmake --preset win64 > /dev/null
cmake --build --preset win64

wine=$(command -v wine64 || true)
wineserver=$(command -v wineserver || true)
if [ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
  wineserver=/usr/lib/wine/wineserver
fi
if [ -z "$wine" ] || [ -z "$wineserver" ]; then
  if [ -n "${VAREK_REQUIRE_WINE:-}" ]; then
    echo "Wine (wine64) is required here but not installed: run scripts/install-deps.sh --wine"
    exit 1
  fi
  echo "Skipped: Wine (wine64) is not installed, so the module was built but not run;"
  echo "scripts/install-deps.sh --wine installs it."
  exit 77
fi

export WINEPREFIX=$root/build/win64/wine-prefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export ALSA_CONFIG_PATH=/usr/share/alsa/alsa.conf:$root/bench/winsmoke/asound-null.conf
unset DISPLAY WAYLAND_DISPLAY

# A new prefix starts with the null graphics driver set before the smoke host runs in it.
if [ ! -f "$WINEPREFIX/varek-prefix-ready" ]; then
  rm -rf "$WINEPREFIX"
  "$wine" wineboot --init > /dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f > /dev/null 2>&1
  "$wineserver" -w
  touch "$WINEPREFIX/varek-prefix-ready"
fi

# Wine reads Windows paths; the root of the file system is drive Z:.
module="Z:${root//\//\\}\\build\\win64\\Varek_Instr.gau"
status=0
"$wine" "$root/build/win64/bench/winsmoke/winsmoke.exe" "$module" || status=$?
"$wineserver" -w
exit $status
