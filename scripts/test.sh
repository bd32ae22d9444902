#!/usr/bin/env bash
# Installs what is missing, checks the formatting, then builds and runs every test headless:
# once with warnings as errors, once under AddressSanitizer and UndefinedBehaviorSanitizer,
# and fuzzes the playlist reader for a minute per target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen

echo "== Format (clang-format-14, .clang-format)"
git -C "$root" ls-files -z '*.cpp' '*.h' | (cd "$root" && xargs -0 clang-format-14 --dry-run --Werror)

run_suite() {
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DORVANTA_WERROR=ON "$@"
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== Tests (warnings as errors)"
run_suite "$root/build-tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DORVANTA_SANITIZE=ON -DORVANTA_BUILD_BENCH=OFF

# Each fuzz target runs for ORVANTA_FUZZ_SECONDS (a minute unless set) from the committed
# seeds; any crash, sanitizer report, hang or runaway allocation fails the run, and the
# input that caused it is left in build-fuzz/artifacts/ to be added under
# tests/fuzz/regressions/<target>/.
echo "== Fuzzing the playlist reader and the integer conversion"
fuzz_dir="$root/build-fuzz"
cmake -S "$root" -B "$fuzz_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANTA_FUZZ=ON -DORVANTA_WERROR=ON
cmake --build "$fuzz_dir" -j "$jobs"
mkdir -p "$fuzz_dir/artifacts"
for target in fuzz_playlist_reader fuzz_integer_conversion; do
    corpus="$fuzz_dir/corpus/$target"
    mkdir -p "$corpus"
    cp "$root/tests/fuzz/corpus/$target/"* "$root/tests/fuzz/regressions/$target/"* "$corpus/" 2>/dev/null || true
    "$fuzz_dir/tests/fuzz/$target" -max_total_time="${ORVANTA_FUZZ_SECONDS:-60}" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$fuzz_dir/artifacts/$target-" -print_final_stats=1 "$corpus"
done
