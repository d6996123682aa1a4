#!/usr/bin/env bash
# manifest.sh EXE MANIFEST
# The exe carries the application manifest MANIFEST as Windows looks for it: the one
# manifest resource (type 24), named 1, its bytes those of the file. And that manifest
# asks for what the program needs: the rights of whoever starts it, the Windows versions
# 8 to 11 declared, long paths.
set -euo pipefail
exe=$1 manifest=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

x86_64-w64-mingw32-windres -i "$exe" -O rc >"$work/resources.rc" || fail "cannot read the resources of $exe"
manifests=$(grep -E '^[0-9A-Za-z_"]+ 24 ' "$work/resources.rc" || true)
[ "$manifests" = "1 24 /* RT_MANIFEST */" ] ||
    fail "the exe's manifest resources are not exactly one named 1: '${manifests:-none}'"

x86_64-w64-mingw32-objcopy -O binary --only-section=.rsrc "$exe" "$work/rsrc.bin"
perl -e 'local $/; open(my $r, "<:raw", $ARGV[0]) or die; open(my $m, "<:raw", $ARGV[1]) or die;
    my ($rsrc, $text) = (<$r>, <$m>); exit(index($rsrc, $text) < 0)' "$work/rsrc.bin" "$manifest" ||
    fail "the exe's resources do not hold $manifest as it is"

for wanted in 'level="asInvoker"' \
    '<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>' \
    '<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>' \
    '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' \
    '<longPathAware xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">true</longPathAware>'; do
    grep -q -F "$wanted" "$manifest" || fail "the manifest lacks $wanted"
done
[ "$failures" -eq 0 ] && echo "ok: the exe carries its manifest"
