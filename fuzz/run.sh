#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer, UndefinedBehavior-
# Sanitizer) and runs each for a given time, starting from the seed corpus in
# fuzz/corpus/NAME.
#   fuzz/run.sh [SECONDS] [NAME...]     default: 20 s, every target
# The build is the "fuzz" preset (build-fuzz/).
# Environment: ZZ_FUZZ_JOBS (parallel compile jobs, default 2).
# New inputs go to BUILD/corpus/NAME, crashes to BUILD/artifacts/NAME/.
# Per-target libFuzzer flags can stand in fuzz/NAME.args (one line), a
# dictionary in fuzz/NAME.dict.
# Prints one line per target with its executions; exits 1 when any target
# found a crash, a leak, a time-out or a broken property.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
build=build-fuzz

cmake --preset fuzz >/dev/null
# Tools that run during the build are instrumented too; they may leak at exit.
ASAN_OPTIONS=detect_leaks=0 cmake --build --preset fuzz -j"${ZZ_FUZZ_JOBS:-2}"

if (($# == 0)); then
  mapfile -t names <"$build/fuzz/targets.txt"
  set -- "${names[@]}"
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=0
passed=0
failures=0
printf '%-16s %12s %8s  %s\n' target executions seconds result
for name in "$@"; do
  bin="$build/fuzz/fuzz_$name"
  [[ -x "$bin" ]] || { echo "fuzz: no target '$name'" >&2; exit 2; }
  work="$build/corpus/$name"
  artifacts="$build/artifacts/$name"
  mkdir -p "$work" "$artifacts"
  seeds=()
  [[ -d "fuzz/corpus/$name" ]] && seeds=("fuzz/corpus/$name")
  dict=()
  [[ -f "fuzz/$name.dict" ]] && dict=("-dict=fuzz/$name.dict")
  # Per-target flags (fuzz/NAME.args) come last and win.
  extra=()
  [[ -f "fuzz/$name.args" ]] && read -r -a extra <"fuzz/$name.args"
  log="$build/fuzz-$name.log"
  rc=0
  "$bin" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "${extra[@]}" "$work" "${seeds[@]}" >"$log" 2>&1 || rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  if ((rc == 0)); then
    result=ok
    passed=$((passed + 1))
  else
    result="FAILED (exit $rc, see $log and $artifacts)"
    failed=1
    failures=$((failures + 1))
  fi
  printf '%-16s %12s %8s  %s\n' "$name" "${runs:-?}" "${secs:-?}" "$result"
done
echo "fuzz: $passed passed, $failures failed"
exit $failed
