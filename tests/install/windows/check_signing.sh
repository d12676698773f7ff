#!/usr/bin/env bash
# check_signing.sh SIGN NSIS_SCRIPT PROGRAM...
# Signing with a throw-away certificate made here: without a certificate in
# the environment sign.sh leaves a program as it is and says so; with one it
# signs the programs, and makensis signs the uninstaller and the installer
# it writes from the build's installer script. osslsigncode verifies each
# signature with the throw-away certificate as the trusted root: without it
# a self-signed chain never verifies, so that is how this test can show that
# the signature is there, is made with this certificate and covers the file
# unchanged (a file changed after signing fails).
set -euo pipefail
sign=$1 script=$2
shift 2

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vortex-signing-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check_signing: $*" >&2; exit 1; }
verified() { osslsigncode verify -CAfile "$scratch/cert.pem" -in "$1" >"$scratch/verify.log" 2>&1; }

openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=VortexCalc throw-away signer" \
  -keyout "$scratch/key.pem" -out "$scratch/cert.pem" 2>/dev/null
openssl pkcs12 -export -in "$scratch/cert.pem" -inkey "$scratch/key.pem" -passout pass:throw-away \
  -out "$scratch/signer.p12"

for program in "$@"; do
  copy=$scratch/$(basename "$program")
  cp "$program" "$copy"
  said=$(env -u VORTEX_SIGN_PKCS12 bash "$sign" "$copy")
  [[ $said == *"not signed"* ]] || fail "without a certificate sign.sh said: $said"
  cmp -s "$program" "$copy" || fail "without a certificate sign.sh changed $(basename "$program")"
  ! verified "$copy" || fail "$(basename "$program") verifies unsigned"

  VORTEX_SIGN_PKCS12=$scratch/signer.p12 VORTEX_SIGN_PASSWORD=throw-away bash "$sign" "$copy" >/dev/null
  verified "$copy" || fail "$(basename "$program") does not verify: $(cat "$scratch/verify.log")"
  grep -q "Subject: /CN=VortexCalc throw-away signer" "$scratch/verify.log" ||
    fail "$(basename "$program") is not signed by the throw-away certificate"
  # One byte changed in the middle of the program's code.
  middle=$(($(stat -c %s "$copy") / 2))
  printf '\x5a' | cmp -s - <(dd if="$copy" bs=1 skip="$middle" count=1 2>/dev/null) && byte='\xa5' || byte='\x5a'
  printf "$byte" | dd of="$copy" bs=1 seek="$middle" conv=notrunc 2>/dev/null
  ! verified "$copy" || fail "$(basename "$program") still verifies after a change"
done

said=$(VORTEX_SIGN_PKCS12=$scratch/signer.p12 VORTEX_SIGN_PASSWORD=throw-away \
  makensis -V1 "$script" "-XOutFile $scratch/setup.exe" 2>&1) || fail "makensis failed: $said"
[[ $said == *"signed makensis"* ]] || fail "makensis did not sign the uninstaller: $said"
verified "$scratch/setup.exe" || fail "the installer does not verify: $(cat "$scratch/verify.log")"
echo "check_signing: the programs and the installer signed and verified"
