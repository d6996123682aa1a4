#!/usr/bin/env bash
# system_dlls_only.sh EXE
# The Windows program must run without any DLL beside it: every DLL it imports must be one
# that comes with Windows.
set -euo pipefail
exe=$1
system_dlls='^(advapi32|authz|kernel32|msvcrt|netapi32|ole32|shell32|user32|userenv|version|winmm|ws2_32|api-ms-win-[a-z0-9-]+)\.dll$'

imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
if [ -z "$imports" ]; then
    echo "FAIL: no imports found in $exe"
    exit 1
fi
foreign=$(tr 'A-Z' 'a-z' <<<"$imports" | grep -Ev "$system_dlls" || true)
if [ -n "$foreign" ]; then
    echo "FAIL: $exe needs DLLs that do not come with Windows:"
    echo "$foreign"
    exit 1
fi
echo "imports only system DLLs: $(tr '\n' ' ' <<<"$imports")"
