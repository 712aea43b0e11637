#!/usr/bin/env bash
# Makes the throwaway Wine prefix that every end-to-end test uses: WINEPREFIX, under the build
# folder. A 32-bit prefix, like the systems the launcher is made for.
set -euo pipefail

: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
export WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"

log="$WINEPREFIX.setup.log"
if [ -d "$WINEPREFIX" ]; then
    wineserver -k >"$log" 2>&1 || true
    rm -rf "$WINEPREFIX"
fi
mkdir -p "$(dirname "$WINEPREFIX")"
if ! wineboot -i >"$log" 2>&1 || ! timeout 120 wineserver -w >>"$log" 2>&1; then
    cat "$log"
    exit 1
fi
echo "Wine prefix ready: $WINEPREFIX"
