#!/usr/bin/env bash
# run_case.sh EXE CASE_DIR
# Runs the real exporter on the installation of one test case and compares its whole
# console output, exit status and export file with the case's expected/ folder.
#
# A case folder holds:
#   install/        the installation (console/, service/, home/), see scripts/lay-installation,
#                   or install.from: a file naming such a folder relative to the case folder
#   setup.sh        optional, sourced after laying out with ROOT set: changes one thing
#                   (set_entry / remove_entry below edit a preference file; fill_disk_after
#                   and fail_sync below make the export folder's disk fail)
#   expected/       stdout, stderr, status and, when one is written, kestrunSettings.csv
# Paths in the expected output are written with @ROOT@ for the temporary folder.
# With UPDATE_GOLDEN=1 the expected/ folder is rewritten from this run instead.
set -euo pipefail
exe=$(realpath "$1")
case_dir=$(cd "$2" && pwd)
repo=$(cd "$(dirname "$0")/../.." && pwd)

install_dir="$case_dir/install"
if [ -f "$case_dir/install.from" ]; then
    install_dir="$case_dir/$(cat "$case_dir/install.from")"
fi
ROOT=$(mktemp -d)
trap 'chmod -R u+w "$ROOT" 2>/dev/null; rm -rf "$ROOT"' EXIT
"$repo/scripts/lay-installation" "$install_dir" "$ROOT"

CONSOLE_DIR="$ROOT/ProgramData/Quillfen/Kestrun/Management Console"
MC_QFP="$CONSOLE_DIR/config/ksrManagementConsole.qfp"
MS_QFP="$ROOT/Programs/Kestrun/Management Service/config/ksrServer.qfp"

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

# fill_disk_after BYTES: the export folder's disk takes BYTES more bytes, then is full.
# fail_sync: syncing a file of the export folder to its storage device fails.
# Both preload the shim library named by KSE_FULL_DISK_SHIM (set by CTest).
use_disk_shim() {
    local desktop
    desktop=$(realpath "$HOME_DIR/Desktop")
    RUN_ENV+=(LD_PRELOAD="$KSE_FULL_DISK_SHIM" KSE_SHIM_FOLDER="$desktop/KESTRUN_SETTINGS/"
              ASAN_OPTIONS=verify_asan_link_order=0)
}
fill_disk_after() { use_disk_shim; RUN_ENV+=(KSE_SHIM_SPACE="$1"); }
fail_sync() { use_disk_shim; RUN_ENV+=(KSE_SHIM_SYNC_FAILS=1); }

# The environment of a run; setup.sh may change any of it.
RUN_ENV=()
PROGRAMDATA="$ROOT/ProgramData"
HOME_DIR="$ROOT/home"
WORK_DIR="$ROOT/Programs/Kestrun/Management Console"
EXPORT_FILE="$HOME_DIR/Desktop/KESTRUN_SETTINGS/kestrunSettings.csv"
if [ -f "$case_dir/setup.sh" ]; then
    # shellcheck source=/dev/null
    source "$case_dir/setup.sh"
fi

inputs_digest() {
    (cd "$ROOT" && find ProgramData Programs/Kestrun/"Management Service" -type f \
        -exec sha256sum {} + 2>/dev/null | sort)
}
before=$(inputs_digest)

actual=$(mktemp -d)
trap 'chmod -R u+w "$ROOT" 2>/dev/null; rm -rf "$ROOT" "$actual"' EXIT
set +e
(cd "$WORK_DIR" && env -i PATH="$PATH" PROGRAMDATA="$PROGRAMDATA" HOME="$HOME_DIR" \
    XDG_CONFIG_HOME="$HOME_DIR/.config" LANG=C.UTF-8 ${RUN_ENV[@]+"${RUN_ENV[@]}"} "$exe" \
    </dev/null >"$actual/stdout" 2>"$actual/stderr")
echo $? >"$actual/status"
set -e

for stream in stdout stderr; do
    sed -i "s|$ROOT|@ROOT@|g" "$actual/$stream"
done
[ -f "$EXPORT_FILE" ] && cp "$EXPORT_FILE" "$actual/kestrunSettings.csv"

failed=0
after=$(inputs_digest)
if [ "$before" != "$after" ]; then
    echo "FAIL: the run changed its input files"
    diff <(echo "$before") <(echo "$after") || true
    failed=1
fi
leftovers=$(find "$ROOT" -name groupsDump.csv -o -name resComputersDump.csv)
if [ -n "$leftovers" ]; then
    echo "FAIL: dump files remain: $leftovers"
    failed=1
fi

if [ "${UPDATE_GOLDEN:-0}" = 1 ]; then
    rm -rf "$case_dir/expected"
    mkdir -p "$case_dir/expected"
    cp "$actual"/* "$case_dir/expected/"
    echo "expected output of $(basename "$case_dir") rewritten"
    exit $failed
fi

for file in stdout stderr status; do
    if ! cmp -s "$case_dir/expected/$file" "$actual/$file"; then
        echo "FAIL: $file differs (expected, actual):"
        diff "$case_dir/expected/$file" "$actual/$file" || true
        failed=1
    fi
done
if [ -f "$case_dir/expected/kestrunSettings.csv" ] || [ -f "$actual/kestrunSettings.csv" ]; then
    if ! cmp -s "$case_dir/expected/kestrunSettings.csv" "$actual/kestrunSettings.csv"; then
        echo "FAIL: the export file differs (expected, actual):"
        diff <(tr -d '\r' <"$case_dir/expected/kestrunSettings.csv" 2>/dev/null) \
             <(tr -d '\r' <"$actual/kestrunSettings.csv" 2>/dev/null) || true
        cmp "$case_dir/expected/kestrunSettings.csv" "$actual/kestrunSettings.csv" || true
        failed=1
    fi
fi
exit $failed
