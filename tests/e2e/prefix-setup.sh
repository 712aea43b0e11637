#!/usr/bin/env bash
# Makes the throwaway Wine prefix that every end-to-end test uses: WINEPREFIX, under the build
# folder. A 32-bit prefix, like the systems the launcher is made for.
# Usage: prefix-setup.sh [--without-window-manager]
# With --without-window-manager, for a virtual display without a window manager, Wine draws the
# frames of its windows itself. Otherwise it leaves them to a manager and, on hiding a window,
# waits two seconds for one to answer, which would add to every closing that a test times.
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
if [ "${1:-}" = --without-window-manager ]; then
    if ! wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        </dev/null >>"$log" 2>&1 || ! timeout 120 wineserver -w >>"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
fi
echo "Wine prefix ready: $WINEPREFIX"
