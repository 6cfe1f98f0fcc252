#!/usr/bin/env bash
# Builds the viewer's libFuzzer target with clang (address and undefined
# behaviour sanitizers) and runs it for a bounded time over fuzz/corpus,
# saving crashers to fuzz/crashers. An input that takes longer than
# FUZZ_TIMEOUT seconds (default 3; a few KB must lay out in milliseconds)
# counts as a finding, so slow paths are caught like crashes. Leak checking
# is off: the font libraries keep caches for the life of the process.
#   Usage: fuzz/run.sh [SECONDS] [extra libFuzzer flags...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
out="${FUZZ_BUILD:-$root/build-fuzz}"
seconds="${1:-60}"
timeout="${FUZZ_TIMEOUT:-3}"
shift || true
mkdir -p "$out" "$here/crashers"
qt="$(pkg-config --cflags --libs Qt6Widgets Qt6Gui Qt6Core)"
if [ ! -x "$out/fuzz_viewer" ] || [ -n "$(find "$root/src/viewer" "$here/fuzz_viewer.cpp" "$here/run.sh" -newer "$out/fuzz_viewer")" ]; then
  clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I"$root/src" \
    "$here/fuzz_viewer.cpp" "$root"/src/viewer/*.cpp $qt -o "$out/fuzz_viewer"
fi
mkdir -p "$out/corpus"
export QT_QPA_PLATFORM=offscreen
# Fontconfig keeps its caches until the process ends; that is not our leak.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
# New inputs go to the build folder; the committed corpus stays small.
exec "$out/fuzz_viewer" "$out/corpus" "$here/corpus" \
  -max_total_time="$seconds" -max_len=4096 -timeout="$timeout" -rss_limit_mb=2048 \
  -artifact_prefix="$here/crashers/" -print_final_stats=1 "$@"
