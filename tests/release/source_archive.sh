#!/usr/bin/env bash
# source_archive.sh REPO
# The source archive of a release (scripts/source-archive), on a small git repository of
# its own:
#   - it holds the commit's files as committed (not the working tree's changes), under one
#     top folder, with RELEASE-SOURCE.txt naming the commit, its time and every file;
#   - its bytes do not depend on who packs it, where, when, or with which file-creation
#     mask; packed again from the unpacked archive, without git, it is the same bytes;
#   - sources that differ from those listed, or an archive that exists, fail the packing,
#     which then leaves nothing behind.
set -euo pipefail
repo=$1
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/../support/checks.sh"

# A repository with the packing script, an executable file and a file in a subfolder.
src=$work/repository
mkdir -p "$src/scripts" "$src/docs"
cp "$repo/scripts/source-archive" "$src/scripts/"
printf 'the guide\n' >"$src/docs/a guide.md"
printf '#!/bin/sh\n' >"$src/run"
chmod 755 "$src/run"
export GIT_AUTHOR_NAME=Builder GIT_AUTHOR_EMAIL=builder@example.org \
    GIT_COMMITTER_NAME=Builder GIT_COMMITTER_EMAIL=builder@example.org \
    GIT_AUTHOR_DATE='@1700000000 +0000' GIT_COMMITTER_DATE='@1700000000 +0000'
git -C "$src" init -q
git -C "$src" add .
git -C "$src" commit -q -m sources
commit=$(git -C "$src" rev-parse HEAD)
# a change after the commit is not part of the archive
printf 'changed\n' >>"$src/docs/a guide.md"

check "--describe names the commit and its time" \
    test "$("$src/scripts/source-archive" --describe)" = "$commit 1700000000"
"$src/scripts/source-archive" "$work/first.tar.gz" 9.8.7
mkdir "$work/unpacked"
tar -xzf "$work/first.tar.gz" -C "$work/unpacked"
top=$work/unpacked/kestrun-settings-exporter-9.8.7
check "the archive holds the commit's files under one top folder, and RELEASE-SOURCE.txt" \
    test "$(tar -tzf "$work/first.tar.gz" | tr '\n' ' ')" = \
    "kestrun-settings-exporter-9.8.7/RELEASE-SOURCE.txt kestrun-settings-exporter-9.8.7/docs/a guide.md kestrun-settings-exporter-9.8.7/run kestrun-settings-exporter-9.8.7/scripts/source-archive "
check "the files are as committed" test "$(cat "$top/docs/a guide.md")" = "the guide"
check "the entries have the commit's time, owner 0, and mode 755 or 644" \
    test "$(TZ=UTC tar --numeric-owner -tvzf "$work/first.tar.gz" | awk '{ print $1, $2, $4, $5 }' | sort -u | tr '\n' '|')" = \
    "-rw-r--r-- 0/0 2023-11-14 22:13|-rwxr-xr-x 0/0 2023-11-14 22:13|"
check "RELEASE-SOURCE.txt names the commit, its time and each file with its checksum" \
    bash -c 'grep -x "commit $2" "$1" && grep -x "source-date-epoch 1700000000" "$1" &&
        test "$(grep -c -E "^[0-9a-f]{64}  " "$1")" = 3 &&
        grep -q -x -F "$(cd "$3" && sha256sum "docs/a guide.md")" "$1"' \
    _ "$top/RELEASE-SOURCE.txt" "$commit" "$top" >/dev/null

# Packed again: elsewhere, in another time zone, with another mask; and from the unpacked
# archive, where git is not asked.
git clone -q "$src" "$work/another place"
(umask 077 && cd "$work/another place" && TZ=Pacific/Kiritimati ./scripts/source-archive ../second.tar.gz 9.8.7)
check "packed from another clone, elsewhere, at another time and mask, the archive is the same bytes" \
    cmp "$work/first.tar.gz" "$work/second.tar.gz"
check "--describe in the unpacked archive names the commit and its time" \
    test "$(PATH=/nonexistent:$PATH GIT_DIR=/nonexistent "$top/scripts/source-archive" --describe)" = "$commit 1700000000"
(umask 077 && cd "$top" && GIT_DIR=/nonexistent ./scripts/source-archive "$work/third.tar.gz" 9.8.7)
check "packed again from the unpacked archive, the archive is the same bytes" \
    cmp "$work/first.tar.gz" "$work/third.tar.gz"

printf 'changed\n' >>"$top/docs/a guide.md"
check "an unpacked archive whose files changed is not packed, and leaves no archive" \
    bash -c '! "$1/scripts/source-archive" "$2/changed.tar.gz" 9.8.7 2>"$2/changed.err" &&
        test ! -e "$2/changed.tar.gz" && grep -q "docs/a guide.md" "$2/changed.err"' _ "$top" "$work"
check "an archive that exists is not packed over" \
    bash -c '! "$1/scripts/source-archive" "$2/first.tar.gz" 9.8.7 2>/dev/null' _ "$src" "$work"
mkdir "$work/plain"
cp "$repo/scripts/source-archive" "$work/plain/"
check "a folder that is neither a checkout nor an unpacked archive is refused" \
    bash -c 'mkdir "$1/plain/scripts" && mv "$1/plain/source-archive" "$1/plain/scripts/" &&
        ! GIT_CEILING_DIRECTORIES="$1" "$1/plain/scripts/source-archive" --describe 2>/dev/null' _ "$work"

checks_done
