#!/usr/bin/env bash
# Checks sanitized_suite.sh (given as the only argument) against a stand-in
# suite that answers each run from a list of outcomes: it must run a suite
# again after the tracer's crash alone, and never after anything else.
set -u
runner="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

tracer='Tracer caught signal 11: addr=0x0 pc=0x0 sp=0x0
==1==LeakSanitizer has encountered a fatal error.'
leak='==1==ERROR: LeakSanitizer: detected memory leaks'
failed='[  FAILED  ] Suite.Case'
asan='==1==ERROR: AddressSanitizer: heap-use-after-free'
ubsan='x.cpp:3:5: runtime error: signed integer overflow'

# A suite that prints outcome N (and exits 23, or 0 for "pass") at its Nth run.
write_suite() {
  local i=0 outcome
  mkdir -p "$work/outcomes"
  rm -f "$work/outcomes/"* "$work/count"
  for outcome in "$@"; do
    printf '%s\n' "$outcome" >"$work/outcomes/$i"
    i=$((i + 1))
  done
  cat >"$work/suite" <<'SUITE'
#!/usr/bin/env bash
dir="$(dirname "$0")"
n=$(cat "$dir/count" 2>/dev/null || echo 0)
echo $((n + 1)) >"$dir/count"
outcome="$(cat "$dir/outcomes/$n")"
echo "[  PASSED  ] 3 tests."
[ "$outcome" = pass ] && exit 0
printf '%s\n' "$outcome"
exit 23
SUITE
  chmod +x "$work/suite"
}

failures=0
# expect NAME STATUS RUNS OUTCOME...
expect() {
  local name="$1" want_status="$2" want_runs="$3" status runs
  shift 3
  write_suite "$@"
  "$runner" "$work/suite" >"$work/output" 2>&1
  status=$?
  runs=$(cat "$work/count")
  if [ "$status" -ne "$want_status" ] || [ "$runs" -ne "$want_runs" ]; then
    echo "FAILED $name: status $status after $runs runs, expected $want_status after $want_runs"
    cat "$work/output"
    failures=$((failures + 1))
  else
    echo "ok $name"
  fi
}

expect "passes at once" 0 1 pass
expect "tracer crash, then a pass" 0 2 "$tracer" pass
expect "tracer crash twice, then a pass" 0 3 "$tracer" "$tracer" pass
expect "tracer crash three times fails" 23 3 "$tracer" "$tracer" "$tracer"
expect "tracer crash after a leak report fails at once" 23 1 "$leak
$tracer" pass
expect "tracer crash after a failed test fails at once" 23 1 "$failed
$tracer" pass
expect "tracer crash after an AddressSanitizer error fails at once" 23 1 "$asan
$tracer" pass
expect "tracer crash after a runtime error fails at once" 23 1 "$ubsan
$tracer" pass
expect "a failed test fails at once" 23 1 "$failed" pass
expect "a leak fails at once" 23 1 "$leak" pass
expect "a crash of the suite itself fails at once" 23 1 "Segmentation fault" pass

[ "$failures" -eq 0 ]
