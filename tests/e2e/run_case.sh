#!/usr/bin/env bash
# run_case.sh EXE CASE_DIR
# Runs the real exporter on the installation of one test case and compares its whole
# console output, exit status and export file with the case's expected/ folder.
#
# A case folder holds:
#   install/        the installation (console/, service/, home/), see scripts/lay-installation,
#                   or install.from: a file naming such a folder relative to the case folder
#   setup.sh        optional, sourced after laying out with ROOT set: changes one thing
#                   (set_entry / remove_entry below edit a preference file; fill_disk_after,
#                   fail_sync and fail_reading_after below make the export folder's disk
#                   fail, kill_after kills the run; as_ordinary_user,
#                   hold_open_without_delete_sharing, hold_lock and program_in are below
#                   too; KEEPS_EARLIER_EXPORT=1 says that the run must leave the export
#                   file and list that setup.sh put on the desktop as they were)
#   args            optional: the program's arguments, one a line (none without the file)
#   expected/       stdout, stderr, status and, when they are written, kestrunSettings.csv,
#                   actionsRequired.txt (the list of settings to configure by hand) and
#                   kestrunSettings.csv.partial (what a run that did not complete wrote);
#                   an export that several cases expect is kept once: the others hold
#                   expected/kestrunSettings.csv.same-as (or .csv.partial.same-as), one line
#                   naming that file relative to the case folder, as install.from does
# Paths in the expected output are written with @ROOT@ for the temporary folder.
# With UPDATE_GOLDEN=1 the expected/ folder is rewritten from this run instead; a shared
# export only by its own case: a case that names it keeps its .same-as while its run wrote
# the same bytes, and is not rewritten at all when it did not.
#
# With KSE_UNDER_WINE=1 EXE is the Windows program, run under Wine in the prefix
# $WINEPREFIX: the installation's program-data folder goes to the prefix's C:\ProgramData,
# its program folders to C:\Program Files\Kestrun, and the user's desktop is redirected to
# the case's home/Desktop. The console output is compared after its Windows paths are
# written back in the form above; stdout, stderr or status in expected-windows/ take the
# place of those in expected/ where Windows rightly differs (the export file never does).
# After every run that was not killed, the export folder's lock file must be gone; on Linux
# the export file of a run that completed is readable and writable by its owner alone.
# A case that cannot be made under Wine ends with status 77 (skipped).
set -euo pipefail
exe=$(realpath "$1")
case_dir=$(cd "$2" && pwd)
repo=$(cd "$(dirname "$0")/../.." && pwd)
under_wine=${KSE_UNDER_WINE:-0}
wine=/usr/lib/wine/wine64

# shared_export FILE: the export file that expected/FILE.same-as names, or nothing without
# that reference.
shared_export() {
    local reference="$case_dir/expected/$1.same-as"
    [ ! -f "$reference" ] || echo "$case_dir/$(cat "$reference")"
}
for file in kestrunSettings.csv kestrunSettings.csv.partial; do
    shared=$(shared_export $file)
    if [ -n "$shared" ] && { [ -e "$case_dir/expected/$file" ] || [ ! -f "$shared" ] ||
        [[ $shared == *.same-as ]]; }; then
        echo "FAIL: expected/$file.same-as must name an expected export of another case, and"
        echo "      expected/$file must not be there too"
        exit 1
    fi
done

install_dir="$case_dir/install"
if [ -f "$case_dir/install.from" ]; then
    install_dir="$case_dir/$(cat "$case_dir/install.from")"
fi
ROOT=$(mktemp -d)
cleanup() {
    release_held_file 2>/dev/null
    release_held_lock 2>/dev/null
    chmod -R u+w "$ROOT" 2>/dev/null
    rm -rf "$ROOT" "${actual:-}"
}
trap cleanup EXIT
"$repo/scripts/lay-installation" "$install_dir" "$ROOT"

CONSOLE_DIR="$ROOT/ProgramData/Quillfen/Kestrun/Management Console"
PROGRAMS_DIR="$ROOT/Programs/Kestrun"
if [ "$under_wine" = 1 ]; then
    : "${WINEPREFIX:?the Wine prefix to run in}"
    # The prefix's own folders; what an earlier case left there goes first.
    rm -rf "$WINEPREFIX/drive_c/ProgramData/Quillfen" "$WINEPREFIX/drive_c/Program Files/Kestrun"
    mkdir -p "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/Program Files"
    mv "$ROOT/ProgramData/Quillfen" "$WINEPREFIX/drive_c/ProgramData/"
    mv "$PROGRAMS_DIR" "$WINEPREFIX/drive_c/Program Files/"
    CONSOLE_DIR="$WINEPREFIX/drive_c/ProgramData/Quillfen/Kestrun/Management Console"
    PROGRAMS_DIR="$WINEPREFIX/drive_c/Program Files/Kestrun"
fi
MC_QFP="$CONSOLE_DIR/config/ksrManagementConsole.qfp"
MS_QFP="$PROGRAMS_DIR/Management Service/config/ksrServer.qfp"

# windows_path PATH: the Windows name of a Unix path under Wine (drive Z:).
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# set_entry FILE NAME VALUE: the entry NAME of a preference file gets VALUE (XML text as
# written), replacing an entry of exactly that name or adding one before </Settings>.
set_entry() {
    ENTRY_NAME=$2 ENTRY_VALUE=$3 awk '
        BEGIN { name = ENVIRON["ENTRY_NAME"]; value = ENVIRON["ENTRY_VALUE"]
                start = "<entry name=\047" name "\047" }
        index($0, start ">") == 1 || index($0, start " ") == 1 { next }
        /^<\/Settings>/ { print start ">" value "</entry>\r" }
        { print }' "$1" >"$1.new" && mv "$1.new" "$1"
}
# remove_entry FILE NAME
remove_entry() {
    ENTRY_NAME=$2 awk '
        BEGIN { name = ENVIRON["ENTRY_NAME"]; start = "<entry name=\047" name "\047" }
        index($0, start ">") == 1 || index($0, start " ") == 1 { next }
        { print }' "$1" >"$1.new" && mv "$1.new" "$1"
}

# linux_only REASON: the case cannot be made under Wine; it is skipped there.
linux_only() {
    if [ "$under_wine" = 1 ]; then
        echo "SKIPPED under Wine: $1"
        exit 77
    fi
}

# fill_disk_after BYTES: the export folder's disk takes BYTES more bytes, then is full.
# fail_sync: syncing a file of the export folder to its storage device fails.
# Both preload the shim library named by KSE_FULL_DISK_SHIM (set by CTest).
use_disk_shim() {
    linux_only "the failing disk is a library preloaded into a Linux program"
    local desktop
    desktop=$(realpath "$HOME_DIR/Desktop")
    RUN_ENV+=(LD_PRELOAD="$KSE_FULL_DISK_SHIM" KSE_SHIM_FOLDER="$desktop/KESTRUN_SETTINGS/"
              ASAN_OPTIONS=verify_asan_link_order=0)
}
fill_disk_after() { use_disk_shim; RUN_ENV+=(KSE_SHIM_SPACE="$1"); }
# kill_after BYTES: the run is killed (SIGKILL) once BYTES bytes reached the export folder.
kill_after() { use_disk_shim; RUN_ENV+=(KSE_SHIM_KILL_AFTER="$1"); }
fail_sync() { use_disk_shim; RUN_ENV+=(KSE_SHIM_SYNC_FAILS=1); }
# fail_reading_after NAME BYTES: reading a file named NAME gives its first BYTES bytes, then
# fails with an input/output error.
fail_reading_after() {
    use_disk_shim
    RUN_ENV+=(KSE_SHIM_READ_FILE="$1" KSE_SHIM_READ_BYTES="$2")
}

# as_ordinary_user: the program runs as an ordinary user, for whom folder permissions
# hold (they do not hold for root). Run as root, the case drops to the user "nobody" and
# hands it the home folder as it is when this is called; run as another user, it runs as
# that user. A case that cannot drop to an ordinary user is skipped. What that user runs
# (the program and a preloaded library) is copied into the case's folder before the run
# (reachable_by_ordinary_user below): the checkout may be in a folder only its owner can
# enter.
as_ordinary_user() {
    linux_only "the Windows program runs as the user who runs Wine"
    [ "$(id -u)" -ne 0 ] && return 0
    if ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1; then
        echo "SKIPPED: no way to run as an ordinary user (setpriv, user nobody)"
        exit 77
    fi
    chmod a+rx "$ROOT"
    chown -R nobody:"$(id -gn nobody)" "$HOME_DIR"
    RUN_AS=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
}

# hold_open_without_delete_sharing FILE: on Windows another program holds FILE open for
# reading and writing while the exporter runs, and lets others read and write the file but
# not delete it (the Windows program kse_hold_file_open, named by KSE_HOLD_FILE_OPEN). Linux
# has no such sharing: a file held open is deleted and replaced as any other.
HOLDER_PID=
HOLD_STOP=
hold_open_without_delete_sharing() {
    [ "$under_wine" = 1 ] || { echo "SKIPPED on Linux: files are not held against deletion"; exit 77; }
    hold_open "$1"
}
# hold_open_for_reading_only FILE: on Windows another program holds FILE open and lets
# others only read it, as a spreadsheet does; Linux has no such sharing.
hold_open_for_reading_only() {
    [ "$under_wine" = 1 ] || { echo "SKIPPED on Linux: files are not held against writing"; exit 77; }
    hold_open "$1" read
}
# wait_until_ready READY PID LOG WHAT: waits until the helper program PID has made the
# file READY; when it ends first or takes too long, the case fails with WHAT and its LOG.
wait_until_ready() {
    local tries=0
    until [ -f "$1" ]; do
        if ! kill -0 "$2" 2>/dev/null && [ ! -f "$1" ] || [ $((tries += 1)) -gt 600 ]; then
            echo "FAIL: $4"
            cat "$3"
            exit 1
        fi
        sleep 0.05
    done
}
# hold_open FILE [read]: the holding program, started in the background until the run ends.
hold_open() {
    if [ "$under_wine" = 1 ]; then
        : "${KSE_HOLD_FILE_OPEN:?the program that holds a file open}"
        local ready="$ROOT/holder.ready"
        HOLD_STOP="$ROOT/holder.stop"
        WINEDEBUG=-all "$wine" "$KSE_HOLD_FILE_OPEN" "$(windows_path "$1")" \
            "$(windows_path "$ready")" "$(windows_path "$HOLD_STOP")" ${2:+"$2"} \
            </dev/null >"$ROOT/holder.log" 2>&1 &
        HOLDER_PID=$!
        wait_until_ready "$ready" "$HOLDER_PID" "$ROOT/holder.log" "the file $1 could not be held open"
    else
        sleep 600 3<>"$1" </dev/null >/dev/null 2>&1 &
        HOLDER_PID=$!
    fi
}
# release_held_file: the holding program lets the file go and ends.
release_held_file() {
    [ -n "$HOLDER_PID" ] || return 0
    if [ -n "$HOLD_STOP" ]; then
        touch "$HOLD_STOP"
    else
        kill "$HOLDER_PID" 2>/dev/null || true
    fi
    wait "$HOLDER_PID" 2>/dev/null || true
    HOLDER_PID=
}

# hold_lock [abandon]: another run holds the export folder's lock (the program
# kse_hold_lock, named by KSE_HOLD_LOCK, takes it as the exporter does) until this run
# ends. With "abandon" the lock file is left by a run that has ended without letting it go.
# The holder's process id is shown as @PID@ in the output.
LOCK_HOLDER_PID=
LOCK_HOLDER_ID=
hold_lock() {
    : "${KSE_HOLD_LOCK:?the program that holds the lock}"
    local lock ready="$ROOT/lock-holder.ready" stop="$ROOT/lock-holder.stop"
    lock="$(dirname "$EXPORT_FILE")/kestrunSettings.lock"
    mkdir -p "$(dirname "$lock")"
    if [ "$under_wine" = 1 ]; then
        WINEDEBUG=-all "$wine" "$KSE_HOLD_LOCK" "$(windows_path "$lock")" \
            "$(windows_path "$ready")" "$(windows_path "$stop")" ${1:+"$1"} \
            </dev/null >"$ROOT/lock-holder.log" 2>&1 &
    else
        "$KSE_HOLD_LOCK" "$lock" "$ready" "$stop" ${1:+"$1"} \
            </dev/null >"$ROOT/lock-holder.log" 2>&1 &
    fi
    LOCK_HOLDER_PID=$!
    wait_until_ready "$ready" "$LOCK_HOLDER_PID" "$ROOT/lock-holder.log" "the lock could not be held"
    LOCK_HOLDER_ID=$(cat "$ready")
    if [ -n "${1:-}" ]; then
        wait "$LOCK_HOLDER_PID" || true
        LOCK_HOLDER_PID=
    fi
}
release_held_lock() {
    [ -n "$LOCK_HOLDER_PID" ] || return 0
    touch "$ROOT/lock-holder.stop"
    wait "$LOCK_HOLDER_PID" 2>/dev/null || true
    LOCK_HOLDER_PID=
}

# program_in FOLDER: the program run is a copy of it in FOLDER, as an administrator copies
# the exe into the Management Console's program folder, or onto the desktop.
program_in() {
    mkdir -p "$1"
    cp "$exe" "$1/"
    exe="$1/$(basename "$exe")"
}

# reachable_by_ordinary_user: the program and any library preloaded into it are copies in
# the case's folder, which the ordinary user can enter: the program in the Management
# Console's program folder (unless setup.sh put a copy in the case's folder already), a
# library beside the installation.
reachable_by_ordinary_user() {
    [[ $exe == "$ROOT"/* ]] || program_in "$PROGRAMS_DIR/Management Console"
    local i folder
    for i in "${!RUN_ENV[@]}"; do
        if [[ ${RUN_ENV[$i]} == LD_PRELOAD=* ]]; then
            mkdir -p "$ROOT/lib"
            cp "${RUN_ENV[$i]#LD_PRELOAD=}" "$ROOT/lib/"
            RUN_ENV[$i]=LD_PRELOAD=$ROOT/lib/$(basename "${RUN_ENV[$i]#LD_PRELOAD=}")
        fi
    done
    # the folders from the case's folder down to the program may be entered and read
    chmod a+r "$exe"
    folder=$(dirname "$exe")
    while [[ $folder == "$ROOT"* ]]; do
        chmod a+rx "$folder"
        folder=$(dirname "$folder")
    done
    [ ! -d "$ROOT/lib" ] || chmod -R a+rX "$ROOT/lib"
}

# The environment of a run; setup.sh may change any of it.
RUN_ENV=()
RUN_AS=()
ARGS=()
if [ -f "$case_dir/args" ]; then
    mapfile -t ARGS <"$case_dir/args"
fi
PROGRAMDATA="$ROOT/ProgramData"
HOME_DIR="$ROOT/home"
WORK_DIR="$PROGRAMS_DIR/Management Console"
EXPORT_FILE="$HOME_DIR/Desktop/KESTRUN_SETTINGS/kestrunSettings.csv"
ACTIONS_FILE="$HOME_DIR/Desktop/KESTRUN_SETTINGS/actionsRequired.txt"
KEEPS_EARLIER_EXPORT=0
if [ -f "$case_dir/setup.sh" ]; then
    # shellcheck source=/dev/null
    source "$case_dir/setup.sh"
fi
PARTIAL_FILE="$EXPORT_FILE.partial"
LOCK_FILE="$(dirname "$EXPORT_FILE")/kestrunSettings.lock"
earlier_export_digest() { sha256sum "$EXPORT_FILE" "$ACTIONS_FILE" "$PARTIAL_FILE" 2>&1 || true; }
[ "$KEEPS_EARLIER_EXPORT" = 1 ] && earlier_export=$(earlier_export_digest)

inputs_digest() {
    (cd "$CONSOLE_DIR/../.." && find . -type f -exec sha256sum {} + 2>/dev/null | sort)
    (cd "$PROGRAMS_DIR" && find "Management Service" -type f -exec sha256sum {} + 2>/dev/null | sort)
}
before=$(inputs_digest)

[ ${#RUN_AS[@]} -eq 0 ] || reachable_by_ordinary_user
actual=$(mktemp -d)
[ -f "$ACTIONS_FILE" ] && cp "$ACTIONS_FILE" "$actual/stale-actionsRequired.txt"
set +e
if [ "$under_wine" = 1 ]; then
    # The desktop of the case, as a redirected desktop folder.
    WINEDEBUG=-all LANG=C.UTF-8 "$wine" reg add \
        'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' \
        /v Desktop /t REG_EXPAND_SZ /d "$(windows_path "$HOME_DIR/Desktop")" /f >/dev/null 2>&1
    (cd "$WORK_DIR" && env WINEDEBUG=-all LANG=C.UTF-8 "$wine" "$exe" ${ARGS[@]+"${ARGS[@]}"} \
        </dev/null >"$actual/stdout" 2>"$actual/stderr")
else
    (cd "$WORK_DIR" && ${RUN_AS[@]+"${RUN_AS[@]}"} env -i PATH="$PATH" PROGRAMDATA="$PROGRAMDATA" HOME="$HOME_DIR" \
        XDG_CONFIG_HOME="$HOME_DIR/.config" LANG=C.UTF-8 ${RUN_ENV[@]+"${RUN_ENV[@]}"} "$exe" \
        ${ARGS[@]+"${ARGS[@]}"} </dev/null >"$actual/stdout" 2>"$actual/stderr")
fi
echo $? >"$actual/status"
set -e
release_held_file
# A run that was not killed lets the lock go on every way out; another run's lock goes
# with that run.
if [ "$(cat "$actual/status")" -le 128 ] && [ -e "$LOCK_FILE" ] && [ -z "$LOCK_HOLDER_PID" ]; then
    echo "FAIL: the lock file remains after the run: $LOCK_FILE"
    failed_checks=1
fi
release_held_lock
# The export file may hold passwords: on Linux a run's export is for its owner alone.
if [ "$under_wine" != 1 ] && grep -q "^Done exporting" "$actual/stdout" && [ -f "$EXPORT_FILE" ] &&
    [ "$(stat -c %a "$EXPORT_FILE")" != 600 ]; then
    echo "FAIL: the export file's mode is $(stat -c %a "$EXPORT_FILE"), not 600"
    failed_checks=1
fi

[ -f "$ACTIONS_FILE" ] && cp "$ACTIONS_FILE" "$actual/actionsRequired.txt"
# The list holds what the console showed, paths included.
for stream in stdout stderr $([ -f "$actual/actionsRequired.txt" ] && echo actionsRequired.txt); do
    if [ "$under_wine" = 1 ]; then
        # Windows shows paths with backslashes: each path under the temporary folder or
        # C:\ProgramData is written back with @ROOT@ and slashes, up to the quote or line
        # end that closes it.
        ROOT_WINDOWS=$(windows_path "$ROOT") perl -i -pe '
            BEGIN { $root = $ENV{ROOT_WINDOWS} }
            s/\Q$root\E/\@ROOT\@/g;
            s/\QC:\ProgramData\E/\@ROOT\@\\ProgramData/g;
            s{(\@ROOT\@[^\x27"\n]*)}{ (my $path = $1) =~ tr{\\}{/}; $path }ge;
            s{\Q.\..\Management Service\config\ksrServer.qfp\E}{./../Management Service/config/ksrServer.qfp}g;
            s{\b(config|data|languages)\\(?=\w+\.\w+)}{$1/}g;' "$actual/$stream"
    else
        sed -i "s|$ROOT|@ROOT@|g" "$actual/$stream"
    fi
    [ -z "$LOCK_HOLDER_ID" ] || sed -i "s|(process $LOCK_HOLDER_ID)|(process @PID@)|g" "$actual/$stream"
done
[ -f "$EXPORT_FILE" ] && cp "$EXPORT_FILE" "$actual/kestrunSettings.csv"
[ -f "$PARTIAL_FILE" ] && cp "$PARTIAL_FILE" "$actual/kestrunSettings.csv.partial"
if [ "$KEEPS_EARLIER_EXPORT" = 1 ]; then
    # A run that stops before its preferences have loaded leaves the earlier export alone,
    # and what an interrupted run left.
    if [ "$earlier_export" != "$(earlier_export_digest)" ]; then
        echo "FAIL: the earlier export file or list did not stay as it was"
        failed_stale=1
    fi
elif [ -f "$actual/stale-actionsRequired.txt" ] && [ -f "$actual/actionsRequired.txt" ] &&
    cmp -s "$actual/stale-actionsRequired.txt" "$actual/actionsRequired.txt"; then
    # A list left by an earlier run never stands in for this run's.
    echo "FAIL: the list of settings to configure by hand is the one an earlier run left"
    failed_stale=1
fi
rm -f "$actual/stale-actionsRequired.txt"

failed=$((${failed_stale:-0} | ${failed_checks:-0}))
after=$(inputs_digest)
if [ "$before" != "$after" ]; then
    echo "FAIL: the run changed its input files"
    diff <(echo "$before") <(echo "$after") || true
    failed=1
fi
# A dump file that the program could not delete (a read-only export folder) may remain only
# when the run said so on standard output.
while IFS= read -r leftover; do
    [ -n "$leftover" ] || continue
    if ! grep -qF "WARNING: Could not delete '${leftover/#"$ROOT"/@ROOT@}': " "$actual/stdout"; then
        echo "FAIL: a dump file remains without a warning: $leftover"
        failed=1
    fi
done <<<"$(find "$ROOT" "$PROGRAMS_DIR" -name groupsDump.csv -o -name resComputersDump.csv)"

if [ "${UPDATE_GOLDEN:-0}" = 1 ]; then
    if [ "$under_wine" = 1 ]; then
        # Only what differs from the expected output of Linux.
        rm -rf "${case_dir:?}/expected-windows"
        for file in stdout stderr status actionsRequired.txt; do
            [ -f "$case_dir/expected/$file" ] || [ -f "$actual/$file" ] || continue
            if ! cmp -s "$case_dir/expected/$file" "$actual/$file"; then
                mkdir -p "$case_dir/expected-windows"
                cp "$actual/$file" "$case_dir/expected-windows/"
            fi
        done
        # A case of Windows alone has no Linux output to differ from: all of it is expected/.
        if [ ! -f "$case_dir/expected/status" ]; then
            mkdir -p "$case_dir/expected"
            mv "$case_dir/expected-windows"/* "$case_dir/expected/"
            rmdir "$case_dir/expected-windows"
            cp "$actual"/kestrunSettings.csv* "$case_dir/expected/" 2>/dev/null || true
        fi
    else
        # A shared export is rewritten by its own case alone.
        for file in kestrunSettings.csv kestrunSettings.csv.partial; do
            shared=$(shared_export $file)
            [ -n "$shared" ] || continue
            if ! cmp -s "$shared" "$actual/$file"; then
                echo "NOT rewritten: this run's $file is not $(cat "$case_dir/expected/$file.same-as"),"
                echo "which expected/$file.same-as names. Rewrite the case that holds that file"
                echo "first, or delete the .same-as file to give this case a copy of its own."
                exit 1
            fi
            rm "$actual/$file"
            cp "$case_dir/expected/$file.same-as" "$actual/"
        done
        rm -rf "${case_dir:?}/expected"
        mkdir -p "$case_dir/expected"
        cp "$actual"/* "$case_dir/expected/"
        # Cases that name an export of this one expect its new bytes too.
        others=()
        for reference in "$case_dir"/../*/expected/*.same-as; do
            [ -f "$reference" ] || continue
            other=$(dirname "$(dirname "$reference")")
            named=$(cat "$reference")
            [ "$other/$named" -ef "$case_dir/expected/$(basename "$named")" ] &&
                others+=("$(basename "$other")")
        done
        [ ${#others[@]} -eq 0 ] ||
            echo "note: ${#others[@]} other cases expect this export too: ${others[*]}"
    fi
    echo "expected output of $(basename "$case_dir") rewritten"
    exit $failed
fi

# expected FILE: the expected copy of FILE for this run.
expected() {
    if [ "$under_wine" = 1 ] && [ "$1" != kestrunSettings.csv ] &&
        [ -f "$case_dir/expected-windows/$1" ]; then
        echo "$case_dir/expected-windows/$1"
    elif [[ $1 == kestrunSettings.csv* ]] && [ -f "$case_dir/expected/$1.same-as" ]; then
        shared_export "$1"
    else
        echo "$case_dir/expected/$1"
    fi
}
for file in stdout stderr status; do
    if ! cmp -s "$(expected "$file")" "$actual/$file"; then
        echo "FAIL: $file differs (expected, actual):"
        diff "$(expected "$file")" "$actual/$file" || true
        failed=1
    fi
done
expected_list=$(expected actionsRequired.txt)
if [ -f "$expected_list" ] || [ -f "$actual/actionsRequired.txt" ]; then
    if ! cmp -s "$expected_list" "$actual/actionsRequired.txt"; then
        echo "FAIL: the list of settings to configure by hand differs (expected, actual):"
        diff "$expected_list" "$actual/actionsRequired.txt" || true
        failed=1
    fi
fi
for file in kestrunSettings.csv kestrunSettings.csv.partial; do
    expected_export=$(expected $file)
    if [ -f "$expected_export" ] || [ -f "$actual/$file" ]; then
        if ! cmp -s "$expected_export" "$actual/$file"; then
            echo "FAIL: $file differs (expected, actual):"
            diff <(tr -d '\r' <"$expected_export" 2>/dev/null) \
                 <(tr -d '\r' <"$actual/$file" 2>/dev/null) || true
            cmp "$expected_export" "$actual/$file" || true
            failed=1
        fi
    fi
done
exit $failed
