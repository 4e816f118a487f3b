#!/usr/bin/env bash
# Checks that a library was built for fuzzing: libFuzzer's coverage hooks and
# AddressSanitizer's checks are in it, and every UndefinedBehaviorSanitizer
# check aborts (a recovering check lets the fuzzer run past a finding).
set -euo pipefail
library="$1"
symbols="$(nm -A "$library" 2>/dev/null | awk '$(NF-1) == "U" {print $NF}' | sort -u)"
fail=0
grep -q '^__sanitizer_cov_trace_cmp' <<<"$symbols" ||
  { echo "$library: no coverage feedback for libFuzzer"; fail=1; }
grep -q '^__asan_report_' <<<"$symbols" ||
  { echo "$library: not built with AddressSanitizer"; fail=1; }
grep -q '^__ubsan_handle_.*_abort$' <<<"$symbols" ||
  { echo "$library: not built with UndefinedBehaviorSanitizer"; fail=1; }
# (The handlers for reaching __builtin_unreachable or the end of a function
# without a return never come back, so they have no _abort form.)
if recovering="$(grep '^__ubsan_handle_' <<<"$symbols" | grep -v '_abort$' |
  grep -v -e '^__ubsan_handle_builtin_unreachable$' -e '^__ubsan_handle_missing_return$')"; then
  echo "$library: these checks carry on after a finding:"
  echo "$recovering"
  fail=1
fi
exit "$fail"
