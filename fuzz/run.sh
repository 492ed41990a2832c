#!/usr/bin/env bash
# Runs fuzz targets of a fuzz build folder.
#   fuzz/run.sh BUILD SECONDS [reader...]     (default: every reader)
# FUZZ_RUNS=N also stops each target after N inputs, whichever comes first.
# Each target runs for SECONDS (and at most 10 s on any one input), grows its
# own corpus in BUILD/fuzz/corpus/<reader>/ from the seeds, and prints its
# figures.  A crash, a hang, a leak or a sanitizer report stops it with a
# non-zero status and leaves the input in BUILD/fuzz/crashes/<reader>/.
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=$2
shift 2
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  readers=(anim creature decoration levels comix topten setup)
fi
here=$(cd "$(dirname "$0")" && pwd)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for r in "${readers[@]}"; do
  corpus=$build/fuzz/corpus/$r
  crashes=$build/fuzz/crashes/$r
  mkdir -p "$corpus" "$crashes"
  echo "== fuzz_$r for ${seconds}s"
  if ! "$build/fuzz/fuzz_$r" -max_total_time="$seconds" ${FUZZ_RUNS:+-runs=$FUZZ_RUNS} -timeout=10 -rss_limit_mb=2048 \
      -malloc_limit_mb=1024 -dict="$here/dict/$r.dict" -print_final_stats=1 \
      -artifact_prefix="$crashes/" "$corpus" "$build/fuzz/seeds/$r" < /dev/null \
      > "$build/fuzz/$r.log" 2>&1; then
    status=1
    echo "fuzz_$r FAILED: see $build/fuzz/$r.log"
    grep -E '^(==|SUMMARY|.*runtime error)' "$build/fuzz/$r.log" | head -20 || true
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^#[0-9]+ *DONE' "$build/fuzz/$r.log" || true
done
exit $status
