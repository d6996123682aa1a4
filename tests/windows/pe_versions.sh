#!/usr/bin/env bash
# pe_versions.sh EXE
# The PE header of EXE names the oldest Windows it runs on, Windows 8 / Server 2012 (6.2),
# as both its operating-system and its subsystem version, so an older Windows refuses to
# start it with its own message; and it is a console program.
set -euo pipefail
exe=$1
source "$(dirname "$0")/../support/checks.sh"

header=$(x86_64-w64-mingw32-objdump -p "$exe")
# field NAME: the value of one line of the PE header, as objdump shows it.
field() { awk -v name="$1" '$1 == name { print $2; exit }' <<<"$header"; }

check "the operating-system version is 6.2" \
    test "$(field MajorOSystemVersion).$(field MinorOSystemVersion)" = 6.2
check "the subsystem version is 6.2" \
    test "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)" = 6.2
check "the subsystem is the console (Windows CUI)" test "$(field Subsystem)" = 00000003
checks_done
