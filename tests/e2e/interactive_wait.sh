#!/usr/bin/env bash
# interactive_wait.sh EXE
# The final wait is announced only to someone at a terminal, on the stream that the
# terminal shows (standard output, else standard error): the program runs in a
# pseudo-terminal (util-linux `script`), where the terminal writes each line end as CR LF
# and merges both streams, and is given Enter when it waits.
set -euo pipefail
exe=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/folder" "$work/home"

# run_in_terminal INPUT COMMAND...: runs COMMAND in a terminal of its own, typing INPUT
# after a moment; the terminal's output goes to $work/out, the status to $status.
run_in_terminal() {
    local input=$1
    shift
    set +e
    (sleep 1; printf '%s' "$input") |
        (cd "$work/folder" && env -i PATH="$PATH" PROGRAMDATA="$work/nowhere" HOME="$work/home" \
            LANG=C.UTF-8 timeout 20 script -qfec "stty -echo; $*" /dev/null) >"$work/out"
    status=$?
    set -e
}
failed=0
fail() { echo "FAIL: $1"; od -c "$work/out" | tail -4; failed=1; }

# A run that fails (no installation) waits, and says so, after its last line.
run_in_terminal $'\n' "'$exe'"
[ "$status" = 1 ] || fail "status $status, expected 1"
tail -c 60 "$work/out" | grep -q $'Failed to export MC/MS preferences\r\n\r\n\r\nPress Enter to close.$' ||
    fail "the wait is not announced after the last line"

# Input redirected while output still goes to the terminal: no announcement.
run_in_terminal '' "'$exe' </dev/null"
[ "$status" = 1 ] || fail "status $status with redirected input, expected 1"
! grep -q 'Press Enter' "$work/out" || fail "announced although input is redirected"

# Output redirected into a file while standard error still goes to the terminal: the wait
# is announced there, and the file gets none of it.
run_in_terminal $'\n' "'$exe' >'$work/stdout'"
[ "$status" = 1 ] || fail "status $status with redirected output, expected 1"
tail -c 60 "$work/out" | grep -q $'Failed to export MC/MS preferences\r\n\r\n\r\nPress Enter to close.$' ||
    fail "the wait is not announced on standard error when output is redirected"
grep -q 'Kestrun Settings Exporter' "$work/stdout" || fail "the redirected output misses the banner"
! grep -q 'Press Enter' "$work/stdout" || fail "the announcement went into the redirected output"

# Both streams redirected: nobody would see an announcement, so there is none.
run_in_terminal $'\n' "'$exe' >'$work/stdout' 2>'$work/stderr'"
[ "$status" = 1 ] || fail "status $status with both streams redirected, expected 1"
! grep -q 'Press Enter' "$work/out" "$work/stdout" "$work/stderr" ||
    fail "announced although neither stream is shown"

# A run left waiting at its final key holds the export folder no longer: a second run, started
# while the first one waits, is not refused.
(sleep 4; printf '\n') |
    (cd "$work/folder" && env -i PATH="$PATH" PROGRAMDATA="$work/nowhere" HOME="$work/home" \
        LANG=C.UTF-8 timeout 20 script -qfec "stty -echo; '$exe'" /dev/null) >"$work/out" &
waiting=$!
tries=0
until grep -q 'Press Enter to close' "$work/out" 2>/dev/null || [ $((tries += 1)) -gt 150 ]; do
    sleep 0.02
done
set +e
(cd "$work/folder" && env -i PATH="$PATH" PROGRAMDATA="$work/nowhere" HOME="$work/home" \
    LANG=C.UTF-8 "$exe" </dev/null >"$work/second.out" 2>"$work/second.err")
set -e
grep -q 'Press Enter to close' "$work/out" || fail "the first run did not wait"
! grep -q 'Another run' "$work/second.err" || fail "a run waiting at its final key kept the next one out"
grep -q 'Failed to export MC/MS preferences' "$work/second.err" || fail "the second run did not run"
wait "$waiting" || true

# Answering an argument neither waits nor announces.
run_in_terminal '' "'$exe' --version"
[ "$status" = 0 ] || fail "status $status for --version, expected 0"
[ "$(cat "$work/out")" = $'Kestrun Settings Exporter, version: 1.0.11\r' ] || fail "--version printed more than the banner"
exit $failed
