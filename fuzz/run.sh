#!/usr/bin/env bash
# Runs each fuzz target for a bounded time and says which found a failing input.
#
#   fuzz/run.sh BUILD_FOLDER SECONDS [TARGET...]
#
# Each target starts from its kept inputs in fuzz/corpus/TARGET (read only) and keeps what it
# finds in BUILD_FOLDER/fuzz-work/TARGET/corpus; a failing input lands in .../crashes. Once
# the fault is mended, copy that input into fuzz/corpus/TARGET: the test build replays it.
set -uo pipefail
build=${1:?usage: fuzz/run.sh BUILD_FOLDER SECONDS [TARGET...]}
seconds=${2:-60}
shift 2 2>/dev/null || shift $#
here=$(cd "$(dirname "$0")" && pwd)

targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    for program in "$build"/fuzz/fuzz_*; do
        [[ -x $program && -f $program ]] && targets+=("${program##*/fuzz_}")
    done
fi
[[ ${#targets[@]} -gt 0 ]] || { echo "no fuzz targets in $build/fuzz (make fuzz builds them)" >&2; exit 2; }

export LSAN_OPTIONS="suppressions=$here/../tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

failed=()
for target in "${targets[@]}"; do
    work="$build/fuzz-work/$target"
    mkdir -p "$work/corpus" "$work/crashes"
    # -max_total_time bounds the run; timeout is the backstop should the target itself hang.
    timeout --kill-after=10 $((seconds + 60)) "$build/fuzz/fuzz_$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$work/crashes/" "$work/corpus" "$here/corpus/$target" \
        > "$work/log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
    if [[ $status -eq 0 ]]; then
        printf 'fuzz %-16s %ss, %s inputs, no failure\n' "$target" "$seconds" "${runs:-?}"
    else
        printf 'fuzz %-16s FAILED (exit %s); log: %s\n' "$target" "$status" "$work/log"
        grep -m5 -E 'fuzz property failed|ERROR: |SUMMARY: |Test unit written' "$work/log" | sed 's/^/    /'
        failed+=("$target")
    fi
done

[[ ${#failed[@]} -eq 0 ]] || echo "targets that found a failing input: ${failed[*]}"
echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
[[ ${#failed[@]} -eq 0 ]]
