#!/usr/bin/env bash
# Makes a deterministic tree of N files under DIR for the benchmarks: folders ten wide and
# four deep (five from about a million files on, so a folder keeps about a hundred files),
# mixed extensions, some dot-files, names with spaces and UTF-8, and time stamps in summer
# and in winter.
#
#   bench/make-tree.sh N DIR
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: $0 N DIR" >&2; exit 2; }
exec /usr/bin/python3 - "$1" "$2" <<'PY'
import os, sys

count, root = int(sys.argv[1]), sys.argv[2]
os.makedirs(root, exist_ok=True)

width, depth = 10, 4
while sum(width ** level for level in range(depth + 1)) * 100 < count:
    depth += 1
folder_names = ["alpha", "beta", "gamma docs", "δέλτα", "epsilon", "zeta", "日本", "theta",
                "Ärger", "kappa"]
extensions = ["txt", "csv", "log", "jpg", "dat", "TXT", "h", "md", "", "json"]
summer = 1625063415  # 2021-06-30 14:30:15 UTC
winter = 1610640005  # 2021-01-14 16:00:05 UTC

# Leaf folders at the given depth, and each folder on the way holds files too.
folders = [""]
for level in range(depth):
    folders += [os.path.join(parent, folder_names[i]) for parent in folders
                if parent.count(os.sep) == level - 1 or (level == 0 and parent == "")
                for i in range(width)]
folders = sorted(set(folders), key=lambda f: (f.count(os.sep) if f else -1, f))
per_folder = max(1, -(-count // len(folders)))

made = 0
for f_index, folder in enumerate(folders):
    path = os.path.join(root, folder)
    os.makedirs(path, exist_ok=True)
    for i in range(per_folder):
        if made == count:
            break
        ext = extensions[(made + f_index) % len(extensions)]
        stem = ("." if made % 97 == 0 else "") + ("file %d" if made % 5 == 0 else "file_%d") % made
        if made % 13 == 0:
            stem += " résumé"
        name = stem + ("." + ext if ext else "")
        full = os.path.join(path, name)
        with open(full, "wb") as out:
            out.write(b"x" * (made % 7))
        stamp = (summer if made % 2 else winter) + made
        os.utime(full, (stamp - 3600, stamp))
        made += 1
    if made == count:
        break
print(f"{made} files in {len(folders)} folders under {root}")
PY
