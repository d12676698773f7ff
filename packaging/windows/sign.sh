#!/usr/bin/env bash
# Signs Windows programs in place (Authenticode, SHA-256, with osslsigncode)
# when a code-signing certificate is given through the environment:
#   VORTEX_SIGN_PKCS12         a PKCS#12 file (.pfx, .p12): certificate and key
#   VORTEX_SIGN_PASSWORD       its password (empty or unset for none)
#   VORTEX_SIGN_TIMESTAMP_URL  a time-stamping server (RFC 3161), optional:
#                              a time stamp keeps the signature valid after
#                              the certificate expires
# Without VORTEX_SIGN_PKCS12 it signs nothing and says so.
#   sign.sh FILE.exe...
set -euo pipefail

if [[ -z ${VORTEX_SIGN_PKCS12:-} ]]; then
  echo "sign: not signed (no VORTEX_SIGN_PKCS12 given): $*"
  exit 0
fi
[[ -r $VORTEX_SIGN_PKCS12 ]] || { echo "sign: cannot read VORTEX_SIGN_PKCS12=$VORTEX_SIGN_PKCS12" >&2; exit 1; }

# The password goes through a private file, never the command line, which
# other users of the machine can read.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf '%s' "${VORTEX_SIGN_PASSWORD:-}" >"$scratch/password"
options=(-pkcs12 "$VORTEX_SIGN_PKCS12" -readpass "$scratch/password" -h sha256 -n VortexCalc)
[[ -n ${VORTEX_SIGN_TIMESTAMP_URL:-} ]] && options+=(-ts "$VORTEX_SIGN_TIMESTAMP_URL")

for file in "$@"; do
  osslsigncode sign "${options[@]}" -in "$file" -out "$scratch/signed" >/dev/null ||
    { echo "sign: osslsigncode could not sign $file" >&2; exit 1; }
  # In place, keeping the file's own permissions.
  cat "$scratch/signed" >"$file"
  echo "sign: signed $(basename "$file")"
done
