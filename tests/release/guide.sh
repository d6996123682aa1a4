#!/usr/bin/env bash
# guide.sh REPO
# README.txt, the administrators' guide that a release carries, made from
# docs/administrators-guide.md by scripts/readme-to-text:
#   - it is the guide (tests/release/guide_checks.sh): Notepad's text, at most 78 columns,
#     the administrator's sections and nothing only a developer needs;
#   - a guide that cannot be made so fails, and writes nothing: a line that cannot be
#     wrapped into 78 columns, a reference to a section it does not hold.
set -euo pipefail
repo=$1
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/../support/checks.sh"

"$repo/scripts/release" --guide "$work/README.txt"
check "README.txt from docs/administrators-guide.md is the administrators' guide" \
    "$(dirname "$0")/guide_checks.sh" "$work/README.txt" \
    "$(sed -n 's/^project(KestrunSettingsExporter VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' "$repo/CMakeLists.txt")"

# The guide and the notices send the reader who rebuilds to these sections of README.md.
for section in "Rebuilding a release" "Building against a modified Qt"; do
    check "README.md has the section \"$section\"" grep -q -x -F "## $section" "$repo/README.md"
done

# fails_with NAME MESSAGE: the guide $work/NAME.md is refused with MESSAGE on standard
# error, and nothing on standard output.
fails_with() {
    local status=0
    "$repo/scripts/readme-to-text" "$work/$1.md" 9.8.7 >"$work/$1.out" 2>"$work/$1.err" || status=$?
    [ "$status" = 1 ] && [ ! -s "$work/$1.out" ] && grep -q -F -- "$2" "$work/$1.err"
}
cat >"$work/good.md" <<'GUIDE'
# A guide

Some text (see "Its section").

## Its section

1. A numbered item whose text is long enough to be wrapped onto a second line,
   which is indented under the first.
2. `C:\Program Files\A Folder With Spaces\And A Long Name\Of A Program.exe` stays whole.

| Key | Value |
|---|---|
| a key | its value |
GUIDE
"$repo/scripts/readme-to-text" "$work/good.md" 9.8.7 | perl -CSD -pe 's/^\x{FEFF}//; s/\r$//' >"$work/good.txt"
check "a guide's title is followed by the version, and its sections are headed in capitals" \
    bash -c 'head -4 "$1" | tr "\n" "|" | grep -q -x -F "A guide|=======||Version 9.8.7|" &&
        grep -q -x "ITS SECTION" "$1"' _ "$work/good.txt"
check "a numbered item's next lines are indented under its text" \
    grep -q -x "   which is indented under the first." "$work/good.txt"
check "a code span with a backslash (a Windows path) is never broken across lines" \
    grep -q -F 'C:\Program Files\A Folder With Spaces\And A Long Name\Of A Program.exe' "$work/good.txt"
check "a table row becomes an item, its other cells indented below it" \
    bash -c 'grep -A1 -x "\* a key" "$1" | grep -q -x "    its value"' _ "$work/good.txt"

printf '# A guide\n\nText.\n\n    %s\n' "$(printf 'x%.0s' {1..80})" >"$work/long_code.md"
check "a code line longer than 78 characters fails the guide" \
    fails_with long_code "line 8 has 84 characters (at most 78)"
printf '# A guide\n\nA path: `%s`.\n' "C:\\$(printf 'folder %.0s' {1..12})" >"$work/long_path.md"
check "a path longer than 78 characters fails the guide" fails_with long_path "(at most 78)"
printf '# A guide\n\nAs said before (see "Command\nline").\n\n## Usage\n' >"$work/dangling.md"
check "a reference to a section the guide does not hold fails it" \
    fails_with dangling 'a reference to the section "Command line", which the guide does not hold'
printf 'Text without a title.\n' >"$work/untitled.md"
check "a guide without a title fails" fails_with untitled "does not start with a level-1 heading"

checks_done
