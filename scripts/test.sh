#!/usr/bin/env bash
# Installs what is missing, checks the formatting, then builds and runs every test headless
# with each of the presets: release (warnings as errors), asan (AddressSanitizer and
# UndefinedBehaviorSanitizer), fuzz (the fuzz targets replay their inputs); then fuzzes the
# playlist reader and the integer conversion for a minute per target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

echo "== Format (clang-format-14, .clang-format)"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror

for preset in release asan fuzz; do
    echo "== Tests: $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$(nproc)"
    ctest --preset "$preset" -j "$(nproc)"
done

# Each fuzz target runs for ORVANTA_FUZZ_SECONDS (a minute unless set) from the committed
# seeds; any crash, sanitizer report, hang or runaway allocation fails the run, and the
# input that caused it is left in build-fuzz/artifacts/ to be added under
# tests/fuzz/regressions/<target>/.
echo "== Fuzzing the playlist reader and the integer conversion"
mkdir -p build-fuzz/artifacts
for target in fuzz_playlist_reader fuzz_integer_conversion; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    cp tests/fuzz/corpus/$target/* tests/fuzz/regressions/$target/* "$corpus/" 2>/dev/null || true
    "build-fuzz/tests/fuzz/$target" -max_total_time="${ORVANTA_FUZZ_SECONDS:-60}" -max_len=1048576 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="build-fuzz/artifacts/$target-" -print_final_stats=1 "$corpus"
done
