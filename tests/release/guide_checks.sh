#!/usr/bin/env bash
# guide_checks.sh README_TXT VERSION
# README_TXT is the administrators' guide as a release carries it: Notepad's plain text,
# no line over 78 characters, the guide's sections for the administrator and nothing that
# only a developer needs (that is in README.md).
set -euo pipefail
guide=$1 version=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$here/notepad_text.sh" "$guide" || failures=$((failures + 1))
# the text without byte-order mark and CRs
perl -CSD -pe 's/^\x{FEFF}//; s/\r$//' "$guide" >"$work/text"
check "no line of README.txt is longer than 78 characters" \
    perl -CSD -ne 'exit 1 if length($_) > 79' "$work/text"
check "README.txt names the version $version" grep -q -x "Version $version" "$work/text"
for section in "QUICK START" "WINDOWS VERSIONS" "WHERE TO PUT IT" "RUNNING IT" \
    "WHERE IT READS AND WRITES" "THE EXPORT FILE" \
    "THE END OF A RUN: SUMMARY AND THE LIST OF SETTINGS TO CONFIGURE BY HAND" \
    "EXIT STATUS" "RUNNING IT UNATTENDED" "LINES THAT ASK YOU TO ACT" \
    "MESSAGES THAT STOP THE EXPORT" "VERIFYING A DOWNLOAD" "REMOVING IT" "THIRD-PARTY NOTICES"; do
    check "README.txt has the section $section" grep -q -x -F "$section" "$work/text"
done
for text in "%ERRORLEVEL%" "<NUL" "no registry entry" "SHA256SUMS" "Get-AuthenticodeSignature" \
    "kestrun-settings-exporter-$version-source.tar.gz" "THIRD-PARTY-NOTICES.txt" "SYSTEM"; do
    check "README.txt says '$text'" grep -q -F -- "$text" "$work/text"
done
# Every section that the text refers to ('see "Title"') is one of its own.
check "every section README.txt refers to is in it" perl -0777 -ne '
    my %heads = map { lc($_) => 1 } /^(.+)\n[=-]+\n/mg;
    (my $text = $_) =~ s/\s+/ /g;
    my @missing = grep { !$heads{lc $_} } $text =~ /\bsee "([^"]+)"/gi;
    print "missing: @missing\n" if @missing;
    exit(@missing ? 1 : 0)' "$work/text"
check "README.txt holds nothing only a developer needs (Debian, git, CMake, caches, variables, /dev/null)" \
    bash -c '! grep -n -i -E "debian|\bgit\b|cmake|cache|/dev/null|\\\$HOME|KSE_|XDG|wine|apt-get" "$1"' _ "$work/text"
checks_done
