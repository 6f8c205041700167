#!/usr/bin/env bash
# Builds the fuzz preset and runs each libFuzzer target for a bounded time on a copy of its
# seed corpus. Fails when a target finds a crashing input; the input is left in
# build/fuzz/findings/<target>/ so it can be kept under tests/fuzz/regressions/<target>/.
#   tests/fuzz/run-fuzzers.sh [seconds per target, default 60] [target...]
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${1:-60}"
shift || true
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(invocation length digest)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

status=0
for target in "${targets[@]}"; do
  binary="build/fuzz/tests/fuzz/keyloom_fuzz_${target}"
  work="build/fuzz/corpus/${target}"
  findings="build/fuzz/findings/${target}"
  rm -rf "$findings"
  mkdir -p "$work" "$findings"
  cp -n tests/fuzz/corpus/"${target}"/* "$work"/ 2>/dev/null || true
  inputs=("$work")
  [ -d "tests/fuzz/regressions/${target}" ] && inputs+=("tests/fuzz/regressions/${target}")
  echo "== ${target}: ${seconds} s"
  if ! ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1" \
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$findings/" -print_final_stats=1 "${inputs[@]}" \
    2>"build/fuzz/${target}.log"; then
    tail -n 40 "build/fuzz/${target}.log"
    echo "== ${target}: FAILED; crashing input in ${findings}/" >&2
    status=1
  else
    grep -E "^(stat::number_of_executed_units|Done)" "build/fuzz/${target}.log" || true
  fi
done
exit "$status"
