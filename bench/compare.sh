#!/usr/bin/env bash
# Runs each benchmark phase beside the standard tools on the same tree, warm cache, several
# runs each, and prints the medians and ratios as a Markdown table.
#
#   bench/compare.sh DIR [RUNS]       (build first: make build; needs bfs: tools/setup.sh --bench)
set -euo pipefail
[[ $# -ge 1 ]] || { echo "usage: $0 DIR [RUNS]" >&2; exit 2; }
dir=$1
runs=${2:-5}
here=$(cd "$(dirname "$0")/.." && pwd)
bin=$here/build/bin
for tool in "$bin/quillfen-bench" "$bin/quillfen-cli" "$bin/statx-floor" bfs find column; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done
export TZ=${TZ:-Europe/Berlin} LANG=${LANG:-en_US.UTF-8}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Wall seconds of a shell command, one number per run.
timed() {
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s.%N)
        bash -c "$1" >/dev/null
        end=$(date +%s.%N)
        awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
    done | median
}
# A field of the bench's JSON line for a phase, one number per run.
bench() {
    for _ in $(seq "$runs"); do
        "$bin/quillfen-bench" --phase "$1" "$dir" 2>/dev/null | grep "\"phase\":\"$1\"" |
            sed -E "s/.*\"$2\":([0-9.]+).*/\1/"
    done | median
}

find "$dir" -type f >"$work/list" # also warms the cache
"$bin/statx-floor" <"$work/list" >"$work/rows.tsv"
rows=$(wc -l <"$work/list")

scan=$(bench scan wall_s)
extract=$(bench extract wall_s)
report=$(bench report wall_s)
clipboard=$(bench clipboard wall_s)
workbook=$(bench workbook wall_s)
bfs_scan=$(timed "bfs '$dir' -type f")
find_scan=$(timed "find '$dir' -type f")
bfs_printf=$(timed "bfs '$dir' -type f -printf '%p\t%T+\t%A+\t%B+\n'")
floor=$(timed "'$bin/statx-floor' <'$work/list'")
column=$(timed "column -t -s \$'\t' '$work/rows.tsv'")
cli_csv=$(timed "'$bin/quillfen-cli' --format csv --time iso '$dir'")

"$bin/quillfen-bench" --phase all "$dir" 2>/dev/null >"$work/all.json"
field() { grep "\"phase\":\"$1\"" "$work/all.json" | sed -E "s/.*\"$2\":([0-9.]+).*/\1/"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "Tree: $dir, $rows files; medians of $runs runs, warm cache, $(nproc) cores"
echo
echo "| phase | Quillfen s | compared with | their s | ratio | target |"
echo "|---|---|---|---|---|---|"
echo "| scan \"*\" | $scan | bfs -type f | $bfs_scan | $(ratio "$scan" "$bfs_scan") | ≤ 1.5 |"
echo "| scan \"*\" | $scan | find -type f | $find_scan | $(ratio "$scan" "$find_scan") | < 1 |"
echo "| extraction, 3 dates | $extract | bfs -printf %T %A %B | $bfs_printf | $(ratio "$extract" "$bfs_printf") | ≤ 1 |"
echo "| extraction, 3 dates | $extract | statx floor | $floor | $(ratio "$extract" "$floor") | ≤ 2 |"
echo "| text report | $report | column -t | $column | $(ratio "$report" "$column") | ≤ 1 |"
echo "| clipboard copy | $clipboard | column -t | $column | $(ratio "$clipboard" "$column") | ≤ 1 |"
echo "| workbook (.xlsx only) | $workbook | | | | |"
echo "| quillfen-cli csv, iso | $cli_csv | bfs -printf %T %A %B | $bfs_printf | $(ratio "$cli_csv" "$bfs_printf") | ≤ 0.8 |"
echo
echo "| phase | peak RSS MB | longest stall ms |"
echo "|---|---|---|"
for phase in scan extract report clipboard workbook; do
    echo "| $phase | $(field "$phase" peak_rss_mb) | $(field "$phase" max_stall_ms) |"
done
