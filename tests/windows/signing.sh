#!/usr/bin/env bash
# signing.sh EXE REPO
# Signing a release's exe (scripts/sign-exe) with a throwaway self-signed code-signing
# certificate made here: the signed exe verifies with osslsigncode, taking its signature
# and attaching it to the unsigned exe gives the signed exe byte for byte (the check
# README.md gives administrators), and a wrong password fails without leaving a file.
set -euo pipefail
exe=$1 repo=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=../support/checks.sh
source "$(dirname "$0")/../support/checks.sh"

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Kestrun Settings Exporter test" \
    -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -passout pass:'pass word' \
    -out "$work/test.p12"
SOURCE_DATE_EPOCH=0 x86_64-w64-mingw32-strip --strip-all -o "$work/unsigned.exe" "$exe"

check "sign-exe signs, verifies and checks the attached signature" \
    env KSE_SIGN_PKCS12="$work/test.p12" KSE_SIGN_PASSWORD='pass word' \
    "$repo/scripts/sign-exe" "$work/unsigned.exe" "$work/signed.exe"
check "the signed exe verifies with osslsigncode against the test certificate" \
    bash -c 'osslsigncode verify -CAfile "$1/cert.pem" -in "$1/signed.exe" >"$1/verify.log" 2>&1 &&
        grep -q "^Signature verification: ok" "$1/verify.log" &&
        grep -q "Kestrun Settings Exporter test" "$1/verify.log"' _ "$work"
check "the unsigned exe does not verify" \
    bash -c '! osslsigncode verify -CAfile "$1/cert.pem" -in "$1/unsigned.exe" >/dev/null 2>&1' _ "$work"
check "the signed exe is the unsigned one with its signature attached" \
    bash -c 'osslsigncode extract-signature -in "$1/signed.exe" -out "$1/signature.der" >/dev/null &&
        osslsigncode attach-signature -sigin "$1/signature.der" -CAfile "$1/cert.pem" -in "$1/unsigned.exe" -out "$1/attached.exe" >/dev/null &&
        cmp "$1/attached.exe" "$1/signed.exe"' _ "$work"
check "a wrong password fails and leaves no signed file" \
    bash -c '! KSE_SIGN_PKCS12="$1/test.p12" KSE_SIGN_PASSWORD=wrong "$2/scripts/sign-exe" "$1/unsigned.exe" "$1/wrong.exe" >/dev/null 2>&1 &&
        test ! -e "$1/wrong.exe"' _ "$work" "$repo"

checks_done
