#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need, if any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev fonts-dejavu-core
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils   # the program started with two playlists, driven by keyboard
    desktop-file-utils appstream shared-mime-info
    python3-gi gir1.2-totemplparser-1.0 mpg123   # real players read the export
    dpkg-dev file lintian   # the Debian package: Depends computed by dpkg-shlibdeps, then lintian
    clang-14 libclang-rt-14-dev clang-format-14
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
