#!/usr/bin/env bash
# Peak resident memory of quillfen-cli in each format over one or more trees, as a Markdown
# table: tsv, csv and jsonl stream, so theirs stays flat however many files there are.
#
#   bench/cli-memory.sh DIR...        (build first: make build)
set -euo pipefail
[[ $# -ge 1 ]] || { echo "usage: $0 DIR..." >&2; exit 2; }
here=$(cd "$(dirname "$0")/.." && pwd)
cli=$here/build/bin/quillfen-cli
for tool in "$cli" /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done
export TZ=${TZ:-Europe/Berlin} LANG=${LANG:-en_US.UTF-8}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Peak RSS in MB of one run, its output thrown away (xlsx needs a file).
peak() {
    local format=$1 dir=$2 out=/dev/null
    [[ $format == xlsx ]] && out=$work/out.xlsx
    /usr/bin/time -f %M -o "$work/rss" "$cli" --format "$format" -o "$out" "$dir" 2>/dev/null ||
        [[ $? -eq 1 ]]
    awk '{ printf "%.1f", $1 / 1024 }' "$work/rss"
}

echo "| files | tsv MB | csv MB | jsonl MB | text MB | clipboard MB |"
echo "|---|---|---|---|---|---|"
for dir in "$@"; do
    files=$(find "$dir" -type f | wc -l)
    echo "| $files | $(peak tsv "$dir") | $(peak csv "$dir") | $(peak jsonl "$dir") | $(peak text "$dir") | $(peak clipboard "$dir") |"
done
