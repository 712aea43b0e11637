#!/usr/bin/env bash
# Ends what is left running in the test prefix and removes the prefix.
set -euo pipefail

: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
if [ -d "$WINEPREFIX" ]; then
    wineserver -k >"$WINEPREFIX.cleanup.log" 2>&1 || true
    timeout 60 wineserver -w >>"$WINEPREFIX.cleanup.log" 2>&1 || true
    rm -rf "$WINEPREFIX"
fi
echo "Wine prefix removed: $WINEPREFIX"
