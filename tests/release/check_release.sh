#!/usr/bin/env bash
# check_release.sh DIST VERSION COMMIT
# The release's own checks on the release that scripts/release made in DIST, before it is
# published:
#   - DIST holds the zip, the unstripped exe, the source archive, BUILDINFO.txt and
#     SHA256SUMS, which checks the other four;
#   - the zip holds the exe, README.txt and THIRD-PARTY-NOTICES.txt, in that order;
#   - the exe's PE header names Windows 8 / Server 2012 (6.2) as the oldest it runs on;
#   - README.txt is the administrators' guide (tests/release/guide_checks.sh);
#   - THIRD-PARTY-NOTICES.txt is Notepad's plain text and names every component built in,
#     with its licence and the way to rebuild the program against a modified Qt;
#   - the source archive holds the commit's sources and names the commit, and so does
#     BUILDINFO.txt, with the packages that went into the exe.
set -euo pipefail
dist=$1 version=$2 commit=$3
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=../support/checks.sh
source "$here/../support/checks.sh"

name=kestrun-settings-exporter-$version-windows-x64
source_name=kestrun-settings-exporter-$version-source.tar.gz

# --- the files and their checksums -------------------------------------------------------
check "the release holds the zip, the unstripped exe, the source archive, BUILDINFO.txt and SHA256SUMS" \
    test "$(cd "$dist" && LC_ALL=C ls | tr '\n' ' ')" = \
    "BUILDINFO.txt SHA256SUMS $source_name $name-unstripped.exe $name.zip "
check "SHA256SUMS checks the zip, the unstripped exe, the source archive and BUILDINFO.txt" \
    bash -c 'cd "$1" && test "$(cut -c67- SHA256SUMS | tr "\n" " ")" = "$2.zip $2-unstripped.exe $3 BUILDINFO.txt " &&
        sha256sum --quiet --strict -c SHA256SUMS' _ "$dist" "$name" "$source_name"

# --- the zip -----------------------------------------------------------------------------
check "the zip holds the exe, README.txt and THIRD-PARTY-NOTICES.txt, in that order" \
    test "$(unzip -Z1 "$dist/$name.zip" | tr '\n' ' ')" = \
    "KestrunSettingsExporter.exe README.txt THIRD-PARTY-NOTICES.txt "
unzip -q "$dist/$name.zip" -d "$work/zip"
check "the exe names Windows 6.2 as its oldest system" \
    "$here/../windows/pe_versions.sh" "$work/zip/KestrunSettingsExporter.exe"

# --- README.txt --------------------------------------------------------------------------
check "README.txt is the administrators' guide" \
    "$here/guide_checks.sh" "$work/zip/README.txt" "$version"

# --- THIRD-PARTY-NOTICES.txt -------------------------------------------------------------
check "the notices are Notepad's text: UTF-8 with a byte-order mark, CR LF line ends only" \
    "$here/notepad_text.sh" "$work/zip/THIRD-PARTY-NOTICES.txt"
tr -d '\r' <"$work/zip/THIRD-PARTY-NOTICES.txt" >"$work/notices"
for component in "1. Qt 6 Core [0-9]" "2. SQLite [0-9]" "3. MinGW-w64 runtime [0-9]" \
    "4. GCC runtime libraries [0-9]"; do
    check "the notices have a part: $component" grep -q "^$component" "$work/notices"
done
for text in "Qt Core: Data Compression Library (zlib)" "Qt Core: PCRE2" \
    "Qt Core: Unicode Character Database (UCD)" "GCC RUNTIME LIBRARY EXCEPTION" \
    "GNU LESSER GENERAL PUBLIC LICENSE" "GNU GENERAL PUBLIC LICENSE" \
    "Files: mingw-w64-libraries/winpthreads/*" "$source_name" \
    'section "Building against a modified Qt"'; do
    check "the notices hold '$text'" grep -q -F "$text" "$work/notices"
done
check "the notices name no code that a Windows Qt Core does not build (forkfd, macOS)" \
    bash -c '! grep -q -E "^Qt Core: (forkfd|QEventDispatcher on macOS)" "$1"' _ "$work/notices"

# --- the source archive and BUILDINFO.txt ------------------------------------------------
mkdir "$work/sources"
tar -xzf "$dist/$source_name" -C "$work/sources"
top=$work/sources/kestrun-settings-exporter-$version
check "the source archive has one top folder, kestrun-settings-exporter-$version" \
    test "$(ls "$work/sources")" = "kestrun-settings-exporter-$version"
check "the source archive names the commit" grep -q -x "commit $commit" "$top/RELEASE-SOURCE.txt"
check "the source archive holds the scripts that make the release" \
    test -x "$top/scripts/release" -a -x "$top/scripts/windows-build" -a -f "$top/CMakeLists.txt" \
        -a -f "$top/CMakePresets.json"
check "the source archive's files are those it lists" \
    bash -c 'cd "$1" && grep -E "^[0-9a-f]{64}  " RELEASE-SOURCE.txt | sha256sum --quiet --strict -c' _ "$top"
check "the source archive's gzip header holds no name and no time" \
    test "$(od -An -tx1 -j3 -N5 "$dist/$source_name" | tr -d ' \n')" = 0000000000
for field in "Commit: *$commit" "SOURCE_DATE_EPOCH: *$(sed -n 's/^source-date-epoch //p' "$top/RELEASE-SOURCE.txt") " \
    "Sources: *$source_name"; do
    check "BUILDINFO.txt holds '$field'" grep -q -E "^$field" "$dist/BUILDINFO.txt"
done
for package in qt6-base sqlite3 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix-runtime \
    binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev; do
    check "BUILDINFO.txt names the package $package with its version" \
        awk -v package="$package" '$1 == package && $2 ~ /^[0-9]/ { found = 1 } END { exit !found }' \
        "$dist/BUILDINFO.txt"
done

checks_done
