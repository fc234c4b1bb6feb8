#!/usr/bin/env bash
# Checks a built package the way a user meets it:
#   1. lintian finds no error and no warning that lintian-overrides does not explain;
#   2. unpacked under a scratch root, both programs run from there and the window finds
#      its own files (so nothing depends on the build tree or on /usr);
#   3. as root, and only when Quillfen is not installed already, dpkg installs it, the
#      installed programs pass the same checks, and dpkg -r leaves none of its files behind.
# Usage: packaging/check-package.sh quillfen_VERSION_ARCH.deb
set -euo pipefail

if [[ $# -ne 1 || ! -f "$1" ]]; then
    echo "usage: $0 PACKAGE.deb (exactly one)" >&2
    exit 2
fi
deb=$(realpath "$1")
package=$(dpkg-deb -f "$deb" Package)
version=$(dpkg-deb -f "$deb" Version)
scratch=$(mktemp -d)
installed_here=no

cleanup() {
    if [[ $installed_here == yes ]]; then
        dpkg -r "$package" >/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs the programs under the prefix $1 (a folder holding bin/ and share/).
check_programs() {
    local prefix=$1 files=$1/share/quillfen

    local said
    said=$("$prefix/bin/quillfen-cli" --version)
    [[ $said == *" $version" ]] || fail "quillfen-cli --version says '$said', the package is $version"
    echo "quillfen-cli --version: $said"

    # The window under a home of its own, so the real user's settings stay untouched. Start-up
    # records the sample files it finds in the settings; the trace shows the hand pointer read.
    local home=$scratch/home settings=$scratch/home/.config/Orvane.ini trace=$scratch/trace
    rm -rf "$home" "$trace"
    mkdir -p "$home" && mkdir -m 0700 "$home/runtime"
    env -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
        strace -f -qq -e trace=openat -o "$trace" "$prefix/bin/quillfen" &
    local tracer=$!
    for _ in $(seq 150); do
        grep -q '^Snapshot=' "$settings" 2>/dev/null && break
        kill -0 "$tracer" 2>/dev/null || break
        sleep 0.2
    done
    # strace holds off fatal signals while it traces, so the window itself is ended
    pkill -TERM -P "$tracer" || true
    wait "$tracer" 2>/dev/null || true

    # The recorded samples one per line, in name order; QSettings quotes a value that holds a
    # blank.
    local recorded expected
    recorded=$(sed -n 's/^Snapshot="\{0,1\}\([^"]*\)"\{0,1\}$/\1/p' "$settings" 2>/dev/null |
        tr '|' '\n' | sort) || true
    expected=$(printf '%s\n' "$files"/Samples/* | sort)
    [[ -n $recorded ]] || fail "the window recorded no sample files (settings: $settings)"
    [[ $recorded == "$expected" ]] ||
        fail "the window recorded the samples"$'\n'"$recorded"$'\n'"expected"$'\n'"$expected"
    echo "window found its samples in $files/Samples"

    grep -Eq "openat\(.*\"$files/HAND-M.CUR\", [^)]*\) = [0-9]+" "$trace" ||
        fail "the window did not read $files/HAND-M.CUR"
    [[ -f $files/drag.ico ]] || fail "no drag pointer at $files/drag.ico"
    echo "window read its pointer: $files/HAND-M.CUR"
}

echo "== lintian"
lintian --fail-on error,warning "$deb"

echo "== unpacked under $scratch/root"
dpkg-deb -x "$deb" "$scratch/root"
check_programs "$scratch/root/usr"
appstreamcli validate-tree --no-net "$scratch/root"

echo "== installed with dpkg"
if [[ $(id -u) -ne 0 ]]; then
    echo "skipped: installing needs root"
    exit 0
fi
if dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed; then
    echo "skipped: $package is installed on this machine, and this check would remove it"
    exit 0
fi
dpkg -i "$deb"
installed_here=yes
check_programs /usr

echo "== removed with dpkg"
dpkg -r "$package"
installed_here=no
left=()
while read -r entry; do
    path=${entry#.}
    # shared folders (/usr/share/man/man1 ...) stay; every file, link and own folder goes
    if [[ -e $path || -L $path ]] && ! [[ -d $path && ! -L $path && $path != */quillfen ]]; then
        left+=("$path")
    fi
done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t)
[[ ${#left[@]} -eq 0 ]] || fail "left behind after removal: ${left[*]}"
echo "nothing left behind"
