#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_BUILD_TESTS=OFF -DORVANTA_BUILD_BENCH=OFF
cmake --build "$root/build" --target orvanta-playlist-builder

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display: the program is built (build/app/orvanta-playlist-builder) but needs a desktop session to show its window." >&2
    echo "Start it from a desktop session, or under a virtual display: xvfb-run -a build/app/orvanta-playlist-builder" >&2
    exit 1
fi
exec "$root/build/app/orvanta-playlist-builder"
