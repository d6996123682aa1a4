# Shared by the test scripts: named checks that are counted, and the verdict at the end.
# shellcheck shell=bash

failures=0

# check DESCRIPTION COMMAND...: runs COMMAND and says whether the check held.
check() {
    local description=$1; shift
    if "$@"; then echo "ok: $description"; else echo "FAIL: $description"; failures=$((failures + 1)); fi
}

# checks_done: the script's status, 1 when any check failed.
checks_done() {
    [ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
}
