#!/usr/bin/env bash
# packaging.sh REPO
# The packing of a Windows release (scripts/package-release), on stand-in files (no
# Windows build needed):
#   - the zip holds exactly the exe, README.txt and THIRD-PARTY-NOTICES.txt, in that order,
#     with the given time, mode 644 and no extra fields, and its bytes do not depend on the
#     packer's folder, time zone, locale, file-creation mask or the input files' times and
#     modes;
#   - beside it the unstripped exe, the source archive and BUILDINFO.txt, as given;
#   - SHA256SUMS checks those four;
#   - a packing that fails leaves no output folder behind.
set -euo pipefail
repo=$1
export LC_ALL=C
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
# shellcheck source=../support/checks.sh
source "$(dirname "$0")/../support/checks.sh"

epoch=1700000000 # an even second: a zip holds times to two seconds
name=kestrun-settings-exporter-9.8.7-windows-x64
source_name=kestrun-settings-exporter-9.8.7-source.tar.gz
inputs=(stripped.exe unstripped.exe README.txt NOTICES.txt source.tar.gz BUILDINFO.txt)

# --- the zip and SHA256SUMS --------------------------------------------------------------
head -c 300000 /dev/urandom >"$work/stripped.exe"
head -c 500000 /dev/urandom >"$work/unstripped.exe"
printf '\xef\xbb\xbfthe guide\r\n' >"$work/README.txt"
printf '\xef\xbb\xbfthe notices\r\n' >"$work/NOTICES.txt"
head -c 200000 /dev/urandom >"$work/source.tar.gz"
printf 'Commit: 0123\n' >"$work/BUILDINFO.txt"

# First packing: inputs as they are, in UTC.
TZ=UTC LC_ALL=C "$repo/scripts/package-release" "$work/first" 9.8.7 "$epoch" "${inputs[@]/#/$work/}"

# Second packing: the same bytes from other files (other times and modes), into a folder
# with another path, in another time zone, locale and file-creation mask.
mkdir -p "$work/other place/inputs"
cp "${inputs[@]/#/$work/}" "$work/other place/inputs/"
chmod 600 "$work/other place/inputs/"*
touch -d '2001-02-03 04:05:06' "$work/other place/inputs/"*
(umask 077 && cd "$work/other place" && env -u LC_ALL TZ=Pacific/Kiritimati LANG=de_DE.UTF-8 \
    ZIPOPT=-9 "$repo/scripts/package-release" "second" 9.8.7 "$epoch" "${inputs[@]/#/inputs/}")

check "the release files are the same bytes whoever packs them, wherever and whenever" \
    diff -r "$work/first" "$work/other place/second"
check "the release holds the zip, the unstripped exe, the source archive, BUILDINFO.txt and SHA256SUMS" \
    test "$(cd "$work/first" && ls | tr '\n' ' ')" = "BUILDINFO.txt SHA256SUMS $source_name $name-unstripped.exe $name.zip "
check "the zip holds the exe, README.txt and THIRD-PARTY-NOTICES.txt, in that order" \
    test "$(unzip -Z1 "$work/first/$name.zip" | tr '\n' ' ')" = "KestrunSettingsExporter.exe README.txt THIRD-PARTY-NOTICES.txt "
mkdir "$work/unpacked"
unzip -q "$work/first/$name.zip" -d "$work/unpacked"
check "the zip's exe is the stripped exe" cmp "$work/unpacked/KestrunSettingsExporter.exe" "$work/stripped.exe"
check "the zip's README.txt is the guide" cmp "$work/unpacked/README.txt" "$work/README.txt"
check "the zip's THIRD-PARTY-NOTICES.txt is the notices" cmp "$work/unpacked/THIRD-PARTY-NOTICES.txt" "$work/NOTICES.txt"
check "each entry has the release time (UTC), mode 644 and no extra field" \
    test "$(TZ=Asia/Tokyo zipinfo -v "$work/first/$name.zip" |
        grep -E '^  (file last modified on \(DOS|length of extra field|Unix file attributes)' |
        sed 's/  */ /g; s/^ //' | sort | uniq -c | sed 's/^ *//' | tr '\n' '|')" = \
    "3 Unix file attributes (100644 octal): -rw-r--r--|3 file last modified on (DOS date/time): $(date -u -d "@$epoch" '+%Y %b %-d %H:%M:%S')|3 length of extra field: 0 bytes|"
check "the unstripped exe is a copy" cmp "$work/first/$name-unstripped.exe" "$work/unstripped.exe"
check "the source archive is a copy" cmp "$work/first/$source_name" "$work/source.tar.gz"
check "BUILDINFO.txt is a copy" cmp "$work/first/BUILDINFO.txt" "$work/BUILDINFO.txt"
check "SHA256SUMS checks the zip, the unstripped exe, the source archive and BUILDINFO.txt" \
    bash -c 'cd "$1" && test "$(cut -c67- SHA256SUMS | tr "\n" " ")" = "$2.zip $2-unstripped.exe $3 BUILDINFO.txt " &&
        sha256sum --quiet -c SHA256SUMS' _ "$work/first" "$name" "$source_name"

# --- failures leave nothing --------------------------------------------------------------
check "a missing input fails and leaves no output folder" \
    bash -c '! "$1/scripts/package-release" "$2/failed" 9.8.7 "$3" "$2/missing.exe" "$2/unstripped.exe" "$2/README.txt" \
        "$2/NOTICES.txt" "$2/source.tar.gz" "$2/BUILDINFO.txt" 2>/dev/null &&
        test ! -e "$2/failed"' _ "$repo" "$work" "$epoch"
cp -R "$work/first" "$work/first.before"
check "an output folder that exists is not packed into" \
    bash -c '! "$1/scripts/package-release" "$2/first" 9.8.7 "$3" "$2/unstripped.exe" "$2/unstripped.exe" "$2/README.txt" \
        "$2/NOTICES.txt" "$2/source.tar.gz" "$2/BUILDINFO.txt" 2>/dev/null &&
        diff -r "$2/first" "$2/first.before" >/dev/null' _ "$repo" "$work" "$epoch"
# zip fails after writing part of the archive
mkdir "$work/bin"
printf '#!/bin/sh\nfor a; do case $a in *.zip) echo partial >"$a";; esac; done\nexit 12\n' >"$work/bin/zip"
chmod +x "$work/bin/zip"
check "a zip that fails half-way leaves no output folder" \
    bash -c '! PATH="$2/bin:$PATH" "$1/scripts/package-release" "$2/broken" 9.8.7 "$3" "$2/stripped.exe" "$2/unstripped.exe" "$2/README.txt" \
        "$2/NOTICES.txt" "$2/source.tar.gz" "$2/BUILDINFO.txt" 2>/dev/null &&
        test ! -e "$2/broken"' _ "$repo" "$work" "$epoch"

checks_done
