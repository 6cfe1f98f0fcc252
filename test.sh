#!/usr/bin/env bash
# Builds Tarvo (installing what it needs) and runs every test: a bounded
# minute of the viewer's fuzz target, then every test suite.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/scripts/build.sh"
echo "== Fuzzing the viewer for a bounded minute =="
FUZZ_BUILD="$here/build/fuzz" bash "$here/fuzz/run.sh" 60 2>&1 | tail -n 12
cd "$here/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
