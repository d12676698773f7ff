# Shared by the install checks: a failed check is reported and the script
# carries on, so one run shows every fault; `finish` gives the verdict.
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

finish() {
  if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
}
