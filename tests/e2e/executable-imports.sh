#!/usr/bin/env bash
# The launcher is one 32-bit Windows GUI executable that runs on a bare system: it may load
# system DLLs only, never a compiler's run-time DLL that a player would not have.
# Usage: executable-imports.sh LAUNCHER_EXE OBJDUMP
set -uo pipefail
exe=$1
objdump=$2
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

headers=$(mktemp)
trap 'rm -f "$headers"' EXIT
if ! "$objdump" -p "$exe" >"$headers" 2>&1; then
    cat "$headers"
    exit 1
fi

grep -q 'file format pei-i386' "$headers" || fail "not an i386 PE image: $(grep 'file format' "$headers")"
grep -Eq '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)' "$headers" ||
    fail "not PE32: $(grep '^Magic' "$headers")"
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]+\(Windows GUI\)' "$headers" ||
    fail "not a GUI program: $(grep '^Subsystem' "$headers")"

mapfile -t imports < <(sed -n 's/^[[:space:]]*DLL Name: //p' "$headers")
echo "imports: ${imports[*]}"
[ ${#imports[@]} -gt 0 ] || fail "no imported DLL found"
for dll in "${imports[@]}"; do
    case ${dll,,} in
    kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | ole32.dll | oleaut32.dll | \
        msvcrt.dll | comctl32.dll | shell32.dll | shlwapi.dll | comdlg32.dll | version.dll) ;;
    *) fail "imports $dll, which is not part of Windows" ;;
    esac
done

[ "$failures" -eq 0 ] || exit 1
echo passed
