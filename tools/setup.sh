#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quillfen need.
# Quick when everything is there already: it only calls apt when a package is missing.
#   tools/setup.sh           what the build and the tests need
#   tools/setup.sh --bench   also the tools the benchmarks compare with
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    clang clang-format libclang-rt-14-dev
    qt6-base-dev libxlsxwriter-dev libicu-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev
    fonts-liberation
    groff-base
    dpkg-dev file lintian desktop-file-utils appstream strace
    python3 python3-openpyxl
    tzdata
    xvfb xauth
)

[[ "${1:-}" == "--bench" ]] && packages+=(bfs bsdextrautils)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
