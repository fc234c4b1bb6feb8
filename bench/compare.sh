#!/usr/bin/env bash
# Runs each benchmark phase beside the standard tools on the same tree, several runs each, and
# prints the medians and ratios as a Markdown table. --cold drops the page cache before every
# run (root only), as after a reboot: the scan and the extraction then wait on the disk.
#
#   bench/compare.sh [--cold] DIR [RUNS]   (build first: make build; needs bfs: tools/setup.sh --bench)
set -euo pipefail
cold=false
if [[ "${1:-}" == "--cold" ]]; then
    cold=true
    shift
fi
[[ $# -ge 1 ]] || { echo "usage: $0 [--cold] DIR [RUNS]" >&2; exit 2; }
dir=$1
runs=${2:-5}
here=$(cd "$(dirname "$0")/.." && pwd)
bin=$here/build/bin
for tool in "$bin/quillfen-bench" "$bin/quillfen-cli" "$bin/statx-floor" bfs find column /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done
if $cold && [[ $(id -u) -ne 0 ]]; then
    echo "$0: --cold drops the page cache, which only root may do; run it as root" >&2
    exit 2
fi
export TZ=${TZ:-Europe/Berlin} LANG=${LANG:-en_US.UTF-8}
# The path list lives in memory where it can, so dropping the cache does not drop it.
work=$(mktemp -d -p "$( [[ -w /dev/shm ]] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
trap 'rm -rf "$work"' EXIT

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Before each run: nothing warm, or nothing cached.
before_run() {
    if $cold; then
        sync
        echo 3 >/proc/sys/vm/drop_caches
    fi
}
# Wall seconds of a shell command, one number per run.
timed() {
    for _ in $(seq "$runs"); do
        local start end
        before_run
        start=$(date +%s.%N)
        bash -c "$1" >/dev/null
        end=$(date +%s.%N)
        awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
    done | median
}
# A field of the bench's JSON line for a phase, one number per run; a third argument names the
# phases to run when the phase needs more before it than the scan and the extraction.
bench() {
    for _ in $(seq "$runs"); do
        "$bin/quillfen-bench" --phase "${3:-$1}" "$dir" 2>/dev/null | grep "\"phase\":\"$1\"" |
            sed -E "s/.*\"$2\":([0-9.]+).*/\1/"
    done | median
}

find "$dir" -type f >"$work/list" # also warms the cache
rows=$(wc -l <"$work/list")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

if $cold; then
    # Quillfen's scan and the extraction that follows it, from one cold start each run.
    for _ in $(seq "$runs"); do
        "$bin/quillfen-bench" --cold --phase scan,extract "$dir" 2>/dev/null >"$work/run.json"
        grep -h '"phase"' "$work/run.json" | tr '\n' ' ' | sed -E \
            's/.*"scan".*"wall_s":([0-9.]+).*"max_stall_ms":([0-9.]+).*"extract".*"wall_s":([0-9.]+).*"peak_rss_mb":([0-9.]+),"max_stall_ms":([0-9.]+).*/\1 \3 \2 \5 \4/'
        echo
    done >"$work/cold"
    column_median() { awk -v c="$1" '{ print $c }' "$work/cold" | median; }
    scan=$(column_median 1)
    total=$(awk '{ print $1 + $2 }' "$work/cold" | median)
    worst_stall=$(awk '{ m = $3 > $4 ? $3 : $4; if (m > w) w = m } END { print w }' "$work/cold")
    worst_peak=$(awk '{ if ($5 > w) w = $5 } END { print w }' "$work/cold")
    find_scan=$(timed "find '$dir' -type f")
    bfs_scan=$(timed "bfs '$dir' -type f")
    bfs_printf=$(timed "bfs '$dir' -type f -printf '%p\t%T+\t%A+\t%B+\n'")
    floor=
    for threads in 1 2 4 8 16 32 64; do
        seconds=$(timed "'$bin/statx-floor' $threads <'$work/list'")
        echo "statx floor, $threads threads: $seconds s" >&2
        if [[ -z "$floor" ]] || awk -v a="$seconds" -v b="$floor" 'BEGIN { exit !(a < b) }'; then
            floor=$seconds
            floor_threads=$threads
        fi
    done

    echo "Tree: $dir, $rows files; medians of $runs runs, page cache dropped before each, $(nproc) cores"
    echo
    echo "| run, cold cache | Quillfen s | compared with | their s | ratio | target |"
    echo "|---|---|---|---|---|---|"
    echo "| scan \"*\" | $scan | find -type f | $find_scan | $(ratio "$scan" "$find_scan") | |"
    echo "| scan \"*\" | $scan | bfs -type f | $bfs_scan | $(ratio "$scan" "$bfs_scan") | |"
    echo "| scan + extraction, 3 dates | $total | bfs -printf %T %A %B | $bfs_printf | $(ratio "$total" "$bfs_printf") | ≤ 0.6 |"
    echo "| scan + extraction, 3 dates | $total | statx floor, $floor_threads threads (best of 1-64) | $floor | $(ratio "$total" "$floor") | ≤ 1.2 |"
    echo
    echo "Longest stall over the cold scans and extractions: $worst_stall ms (target ≤ 100);" \
        "peak RSS: $worst_peak MB (target ≤ 350)."
    exit 0
fi

"$bin/statx-floor" <"$work/list" >"$work/rows.tsv"

scan=$(bench scan wall_s)
extract=$(bench extract wall_s)
sort_path=$(bench sort wall_s)
sort_date=$(bench sort-date wall_s)
filter=$(bench filter wall_s)
timeline=$(bench timeline wall_s)
snapshot=$(bench snapshot wall_s)
window_compare=$(bench compare wall_s snapshot,compare)
report=$(bench report wall_s)
clipboard=$(bench clipboard wall_s)
# A sheet holds 1,048,576 rows: a larger tree has no workbook to time.
sheet_rows=1048576
workbook=-
if ((rows < sheet_rows)); then
    workbook=$(bench workbook wall_s)
fi
bfs_scan=$(timed "bfs '$dir' -type f")
find_scan=$(timed "find '$dir' -type f")
bfs_printf=$(timed "bfs '$dir' -type f -printf '%p\t%T+\t%A+\t%B+\n'")
floor=$(timed "'$bin/statx-floor' <'$work/list'")
column=$(timed "column -t -s \$'\t' '$work/rows.tsv'")
cli_csv=$(timed "'$bin/quillfen-cli' --format csv --time iso '$dir'")
# Every column the command line has, beside bfs printing the same fields.
bfs_printf_all=$(timed "bfs '$dir' -type f -printf '%p\t%s\t%T+\t%B+\t%A+\t%C+\n'")
cli_tsv=$(timed "'$bin/quillfen-cli' --format tsv --columns path,size,modified,created,accessed,changed '$dir'")
# --compare against a snapshot of the tree in which 1% of the files were touched, 1% removed
# and 1% added: the snapshot is edited, not the tree, which stays as it is for the others. A
# touched file's old time is a year earlier; a file missing from the snapshot comes back as
# added, a record of a file that is not there as removed.
"$bin/quillfen-cli" --format jsonl --ns --columns path,size,modified,created,accessed,changed \
    -o "$work/full.jsonl" "$dir"
awk 'NR % 100 == 1 { sub(/"modified":"[0-9][0-9][0-9][0-9]/, "\"modified\":\"1999"); print; next }
     NR % 100 == 2 { next }
     NR % 100 == 3 { print; sub(/","size"/, ".gone\",\"size\""); print; next }
     { print }' "$work/full.jsonl" >"$work/snapshot.jsonl"
cli_compare=$(timed "'$bin/quillfen-cli' --compare '$work/snapshot.jsonl' --format csv '$dir' || [ \$? -eq 1 ]")
compared_rows=$("$bin/quillfen-cli" --compare "$work/snapshot.jsonl" --format csv "$dir" | tail -n +2 | wc -l || true)
/usr/bin/time -f %M -o "$work/compare.rss" "$bin/quillfen-cli" --compare "$work/snapshot.jsonl" \
    --format csv "$dir" >/dev/null 2>&1 || [[ $? -eq 1 ]]
compare_rss=$(tail -n 1 "$work/compare.rss" | awk '{ printf "%.1f", $1 / 1024 }')

if ((rows < sheet_rows)); then
    "$bin/quillfen-bench" --phase all "$dir" 2>/dev/null >"$work/all.json"
else
    "$bin/quillfen-bench" --phase scan,extract,sort,sort-date,filter,timeline,snapshot,compare,report,clipboard \
        "$dir" 2>/dev/null >"$work/all.json"
fi
field() { grep "\"phase\":\"$1\"" "$work/all.json" | sed -E "s/.*\"$2\":([0-9.]+).*/\1/" || echo -; }
echo "Tree: $dir, $rows files; medians of $runs runs, warm cache, $(nproc) cores"
echo
echo "| phase | Quillfen s | compared with | their s | ratio | target |"
echo "|---|---|---|---|---|---|"
echo "| scan \"*\" | $scan | bfs -type f | $bfs_scan | $(ratio "$scan" "$bfs_scan") | ≤ 1.5 |"
echo "| scan \"*\" | $scan | find -type f | $find_scan | $(ratio "$scan" "$find_scan") | < 1 |"
echo "| extraction, 3 dates | $extract | bfs -printf %T %A %B | $bfs_printf | $(ratio "$extract" "$bfs_printf") | ≤ 1 |"
echo "| extraction, 3 dates | $extract | statx floor | $floor | $(ratio "$extract" "$floor") | ≤ 2 |"
echo "| sort by path (natural order) | $sort_path | | | | < 1 |"
echo "| sort by date modified | $sort_date | | | | < 1 |"
echo "| filter by path text | $filter | | | | ≤ 0.1 |"
echo "| timeline: binning and drawing | $timeline | | | | ≤ 0.15 |"
echo "| save snapshot | $snapshot | | | | |"
echo "| compare with that snapshot | $window_compare | | | | ≤ 2 |"
echo "| text report | $report | column -t | $column | $(ratio "$report" "$column") | ≤ 1 |"
echo "| clipboard copy | $clipboard | column -t | $column | $(ratio "$clipboard" "$column") | ≤ 1 |"
echo "| workbook (.xlsx only) | $workbook | | | | |"
echo "| quillfen-cli csv, iso | $cli_csv | bfs -printf %T %A %B | $bfs_printf | $(ratio "$cli_csv" "$bfs_printf") | ≤ 0.8 |"
echo "| quillfen-cli tsv, 6 columns | $cli_tsv | bfs -printf %p %s %T %B %A %C | $bfs_printf_all | $(ratio "$cli_tsv" "$bfs_printf_all") | ≤ 0.8 |"
echo "| quillfen-cli --compare, 3% differing ($compared_rows rows), csv | $cli_compare | quillfen-cli csv, iso | $cli_csv | $(ratio "$cli_compare" "$cli_csv") | ≤ 1.3 |"
echo
echo "quillfen-cli --compare: peak RSS $compare_rss MB (target ≤ 200)."
echo
echo "| phase | peak RSS MB | RSS before MB | longest stall ms |"
echo "|---|---|---|---|"
for phase in scan extract sort sort-date filter timeline snapshot compare report clipboard workbook; do
    echo "| $phase | $(field "$phase" peak_rss_mb) | $(field "$phase" rss_before_mb) | $(field "$phase" max_stall_ms) |"
done
echo
echo "Clipboard text: $(field clipboard output_mb) MB."
