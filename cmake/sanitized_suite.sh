#!/usr/bin/env bash
# Runs one suite of the sanitizer build: sanitized_suite.sh PROGRAM [ARGS...]
#
# LeakSanitizer's own tracer, which stops every thread to look for leaks at
# exit, now and then crashes by itself ("Tracer caught signal ..." then
# "LeakSanitizer has encountered a fatal error") after every test of the
# suite passed. That run, and only that, is run again, at most twice, and
# says so. A leak report, a sanitizer error or a failed test fails at once.
set -u

tracer_crash_alone() {
  grep -q 'Tracer caught signal' "$1" &&
    grep -q 'LeakSanitizer has encountered a fatal error' "$1" &&
    ! grep -qE 'detected memory leaks|ERROR: AddressSanitizer|runtime error:|\[  FAILED  \]' "$1"
}

suite="$(basename "$1")${GTEST_TOTAL_SHARDS:+ (shard $((GTEST_SHARD_INDEX + 1)) of $GTEST_TOTAL_SHARDS)}"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
retries=2
for attempt in $(seq 0 "$retries"); do
  "$@" >"$log" 2>&1
  status=$?
  cat "$log"
  [ "$status" -eq 0 ] && exit 0
  if [ "$attempt" -lt "$retries" ] && tracer_crash_alone "$log"; then
    echo "sanitized_suite: $suite: LeakSanitizer's tracer crashed after the suite passed; running it again ($((attempt + 1)) of $retries)"
    continue
  fi
  exit "$status"
done
