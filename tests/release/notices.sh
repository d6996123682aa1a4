#!/usr/bin/env bash
# notices.sh REPO
# THIRD-PARTY-NOTICES.txt, made by scripts/third-party-notices from the build's inputs, on
# stand-in inputs (a Qt source tree with attribution files, Debian copyright files):
#   - Notepad's text (UTF-8 with a byte-order mark, CR LF line ends);
#   - a part for Qt Core, SQLite, the MinGW-w64 runtime and GCC's runtime libraries, each
#     with its version and source package, and the way to rebuild against a modified Qt;
#   - of Qt's attribution entries, those of Qt Core, each with its copyright and licence
#     file, but not the code a Windows build leaves out, nor other modules' code; an
#     attribution file's repeated keys count by their last value;
#   - the licence texts that the copyright files name, each once;
#   - a licence file that is missing or not UTF-8 fails the notices.
set -euo pipefail
repo=$1
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/../support/checks.sh"

qt=$work/qt
mkdir -p "$qt/LICENSES" "$qt/src/3rdparty/zlib" "$qt/src/3rdparty/md5" "$qt/src/3rdparty/forkfd" \
    "$qt/src/3rdparty/libpng" "$qt/src/corelib/text" "$work/licenses"
echo "GNU LESSER GENERAL PUBLIC LICENSE (stand-in)" >"$qt/LICENSES/LGPL-3.0-only.txt"
echo "GNU GENERAL PUBLIC LICENSE version 3 (stand-in)" >"$qt/LICENSES/GPL-3.0-only.txt"
cat >"$qt/src/3rdparty/zlib/qt_attribution.json" <<'JSON'
{
    "Id": "zlib",
    "Name": "Data Compression Library (zlib)",
    "QDocModule": "qtcore",
    "QtUsage": "Optionally used in Qt Core.",
    "Version": "treat as a comment",
    "Version": "1.2.13",
    "License": "zlib License",
    "LicenseId": "Zlib",
    "LicenseFile": "LICENSE",
    "Copyright": "(C) 1995-2022 Jean-loup Gailly and Mark Adler"
}
JSON
printf 'zlib licence text (stand-in), with an accent: \xc3\xa9\n' >"$qt/src/3rdparty/zlib/LICENSE"
cat >"$qt/src/3rdparty/md5/qt_attribution.json" <<'JSON'
{
    "Id": "md5",
    "Name": "MD5",
    "QDocModule": "qtcore",
    "License": "Public Domain",
    "Copyright": "Written by Colin Plumb in 1993,
no copyright is claimed."
}
JSON
cat >"$qt/src/3rdparty/forkfd/qt_attribution.json" <<'JSON'
{ "Id": "forkfd", "Name": "forkfd", "QDocModule": "qtcore", "License": "MIT License",
  "LicenseFile": "LICENSE", "Copyright": "Intel" }
JSON
cat >"$qt/src/3rdparty/libpng/qt_attribution.json" <<'JSON'
{ "Id": "libpng", "Name": "libpng", "QDocModule": "qtgui", "License": "libpng License",
  "LicenseFile": "LICENSE", "Copyright": "PNG authors" }
JSON
cat >"$qt/src/corelib/text/qt_attribution.json" <<'JSON'
[
{ "Id": "unicode-character-database", "Name": "Unicode Character Database (UCD)",
  "QDocModule": "qtcore", "License": "Unicode License", "LicenseFile": "UNICODE_LICENSE.txt",
  "Copyright": "Unicode, Inc." },
{ "Id": "unicode-cldr", "Name": "Unicode Common Locale Data Repository (CLDR)",
  "QDocModule": "qtcore", "License": "Unicode License", "LicenseFile": "UNICODE_LICENSE.txt",
  "Copyright": "Unicode, Inc." }
]
JSON
echo "Unicode licence text (stand-in)" >"$qt/src/corelib/text/UNICODE_LICENSE.txt"
printf 'Files: *\nCopyright: 2016-2022 The Qt Company Ltd.\nLicense: LGPL-3 or GPL-2\n\nFiles: other\nCopyright: someone else\n' \
    >"$work/qt.copyright"
printf 'Files: *\nCopyright: D. Richard Hipp\nLicense: public-domain\n' >"$work/sqlite.copyright"
printf 'Files: *\nLicense: ZPL-2.1\n\nFiles: mingw-w64-libraries/winpthreads/*\nLicense: MIT\n See /usr/share/common-licenses/LGPL-2.1.\n' \
    >"$work/mingw.copyright"
printf 'GCC RUNTIME LIBRARY EXCEPTION (stand-in)\nThe GPL is in /usr/share/common-licenses/GPL-3 and\n/usr/share/common-licenses/GPL, older: /usr/share/common-licenses/LGPL-2.1\n' \
    >"$work/gcc.copyright"
echo "LGPL 2.1 text (stand-in)" >"$work/licenses/LGPL-2.1"

notices() { # [EXTRA OPTIONS...]
    "$repo/scripts/third-party-notices" --qt-source "$qt" --qt-copyright "$work/qt.copyright" \
        --sqlite-copyright "$work/sqlite.copyright" --mingw-copyright "$work/mingw.copyright" \
        --gcc-copyright "$work/gcc.copyright" --common-licenses "$work/licenses" \
        --version program=9.8.7 --version qt=6.4.2 --version sqlite=3.40.1 \
        --version mingw=10.0.0 --version gcc=12.2.0 \
        --package qt="qt6-base 6.4.2+dfsg-10" --package sqlite="sqlite3 3.40.1-2" \
        --package mingw="mingw-w64 10.0.0-3" --package gcc="gcc-mingw-w64 25.2" "$@"
}
notices >"$work/NOTICES.txt"
check "the notices are Notepad's text" "$(dirname "$0")/notepad_text.sh" "$work/NOTICES.txt"
perl -CSD -pe 's/^\x{FEFF}//; s/\r$//' "$work/NOTICES.txt" >"$work/text"

for line in "1. Qt 6 Core 6.4.2" "2. SQLite 3.40.1" "3. MinGW-w64 runtime 10.0.0" \
    "4. GCC runtime libraries 12.2.0" "Built from: the Debian source package sqlite3 3.40.1-2" \
    "Built from: the upstream sources of the Debian source package qt6-base 6.4.2+dfsg-10" \
    "Copyright: 2016-2022 The Qt Company Ltd." "Files: mingw-w64-libraries/winpthreads/*" \
    "GCC RUNTIME LIBRARY EXCEPTION (stand-in)"; do
    check "the notices hold the line '$line'" grep -q -x -F -- "$line" "$work/text"
done
check "the notices name the source archive to rebuild against a modified Qt" \
    grep -q -F "kestrun-settings-exporter-9.8.7-source.tar.gz" "$work/text"
check "Qt Core's third-party code is named, each once: zlib, MD5 and both Unicode entries" \
    test "$(grep -c '^Qt Core: ' "$work/text")" = 4
check "an attribution entry's licence file follows its copyright and licence, the last repeated key counting" \
    bash -c 'grep -A8 -x "Qt Core: Data Compression Library (zlib)" "$1" | tail -n +4 | tr "\n" "|" |
        grep -q -F "Version: 1.2.13|Usage: Optionally used in Qt Core.|Copyright: (C) 1995-2022 Jean-loup Gailly and Mark Adler|Licence: zlib License (Zlib)||zlib licence text (stand-in), with an accent: é|"' \
    _ "$work/text"
check "a copyright over two lines keeps both" \
    bash -c 'grep -A1 -F "Copyright: Written by Colin Plumb in 1993," "$1" | grep -q -x "no copyright is claimed."' \
    _ "$work/text"
check "code that a Windows Qt Core does not build (forkfd) and other modules' code are left out" \
    bash -c '! grep -q -E "forkfd|libpng" "$1"' _ "$work/text"
check "the licence texts come once each: LGPL-3, GPL-3 and the LGPL-2.1 that the copyright files name" \
    test "$(grep -c -E '^(GNU LESSER GENERAL PUBLIC LICENSE \(stand-in\)|GNU GENERAL PUBLIC LICENSE version 3 \(stand-in\)|LGPL 2.1 text \(stand-in\))$' "$work/text")" = 3

# fails_without WHAT: the notices fail (status 1, nothing written) after WHAT was done.
fails() {
    local status=0
    notices >"$work/failed.txt" 2>"$work/failed.err" || status=$?
    [ "$status" = 1 ] && [ ! -s "$work/failed.txt" ]
}
mv "$qt/src/3rdparty/zlib/LICENSE" "$work/zlib.LICENSE"
check "a missing licence file of Qt's third-party code fails the notices" fails
printf 'latin-1 \xe9\n' >"$qt/src/3rdparty/zlib/LICENSE"
check "a licence file that is not UTF-8 fails the notices" fails
mv "$work/zlib.LICENSE" "$qt/src/3rdparty/zlib/LICENSE"
rm "$work/licenses/LGPL-2.1"
check "a licence text that a copyright file names and that is missing fails the notices" fails

checks_done
