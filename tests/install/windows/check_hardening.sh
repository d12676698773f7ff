#!/usr/bin/env bash
# The Windows programs as the system loader reads them: both marked aware of
# terminal services, with ASLR and DEP; vortexcalc.exe's manifest asks for
# no elevation, names the Windows versions it was made for and declares
# system-DPI awareness only (it does not rescale on a monitor change); and
# it restricts where DLLs load from, and carries one version record. Wine loads programs without looking at
# any of this, so it is read from the files themselves.
# Usage: check_hardening.sh OBJDUMP vortexcalc.exe strouhal.exe
set -euo pipefail
objdump=$1
vortexcalc=$2
strouhal=$3
fail() { echo "check_hardening: $*" >&2; exit 1; }

for program in "$vortexcalc" "$strouhal"; do
  flags=$("$objdump" -p "$program")
  for flag in TERMINAL_SERVICE_AWARE DYNAMIC_BASE NX_COMPAT HIGH_ENTROPY_VA; do
    grep -q "$flag" <<<"$flags" || fail "$(basename "$program") lacks $flag"
  done
done

text=$(strings -n 8 "$vortexcalc")
grep -q 'requestedExecutionLevel level="asInvoker"' <<<"$text" || fail "the manifest does not ask for asInvoker"
# Vista, 7, 8, 8.1, 10 and 11.
for id in e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a \
          4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78 \
          8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
  grep -q "supportedOS Id=\"{$id}\"" <<<"$text" || fail "the manifest does not name the Windows version $id"
done
grep -q '<dpiAware[^>]*>true</dpiAware>' <<<"$text" || fail "the manifest does not declare system-DPI awareness"
if grep -qi 'PerMonitor' <<<"$text"; then fail "the manifest declares per-monitor DPI awareness, which the program does not handle"; fi
grep -q 'SetDefaultDllDirectories' <<<"$text" || fail "vortexcalc.exe does not restrict where DLLs load from"

# One version record, with the fields the program sets.
record=$(strings -el "$vortexcalc")
[[ $(grep -c '^VS_VERSION_INFO$' <<<"$record") == 1 ]] || fail "vortexcalc.exe has not exactly one version record"
for field in "FileVersion:1, 0, 0, 1" "ProductVersion:1, 0, 0, 1" "OriginalFilename:vortexcalc.exe"; do
  grep -A1 -x "${field%%:*}" <<<"$record" | grep -qx "${field#*:}" || fail "the version record's ${field%%:*} is not ${field#*:}"
done
echo "check_hardening: both programs hardened, manifest and version record as declared"
