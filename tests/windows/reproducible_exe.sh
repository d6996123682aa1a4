#!/usr/bin/env bash
# reproducible_exe.sh EXE FOLDER...
# What would make two builds of the same commit differ: the exe carries no link time
# (its PE header's time stamp is 0) and none of the FOLDERs of the builder's machine (the
# checkout, the build, the Windows cache with Qt and SQLite, the home folder).
set -euo pipefail
exe=$1; shift
failures=0

# The PE header starts at the offset held at 0x3C; its time stamp is 8 bytes in.
pe=$(od -An -tu4 -j 60 -N 4 "$exe" | tr -d ' ')
stamp=$(od -An -tu4 -j $((pe + 8)) -N 4 "$exe" | tr -d ' ')
if [ "$stamp" = 0 ]; then
    echo "ok: no link time"
else
    echo "FAIL: the PE header holds the link time $stamp ($(date -u -d "@$stamp"))"
    failures=$((failures + 1))
fi
for folder in "$@"; do
    if grep -q -a -F "$folder" "$exe"; then
        echo "FAIL: the exe holds the folder '$folder':"
        grep -a -o -F "$folder" "$exe" | head -3
        failures=$((failures + 1))
    else
        echo "ok: no '$folder'"
    fi
done
[ "$failures" -eq 0 ]
