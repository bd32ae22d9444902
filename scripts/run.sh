#!/usr/bin/env bash
# Installs what is missing, builds the program (the package preset) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
# Presets are read from the current folder; the program still starts in the caller's.
(cd "$root" && cmake --preset package && cmake --build --preset package --target orvanta-playlist-builder)

program=build-package/app/orvanta-playlist-builder
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display: the program is built ($program) but needs a desktop session to show its window." >&2
    echo "Start it from a desktop session, or under a virtual display: xvfb-run -a $program" >&2
    exit 1
fi
exec "$root/$program"
