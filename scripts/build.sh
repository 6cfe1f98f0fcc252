#!/usr/bin/env bash
# Configures and builds Tarvo into build/ (the program lands in build/bin).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup-debian.sh"
# A compiler cache makes a rebuild of a fresh clone short. The cache is
# keyed on paths relative to the clone, so clones in other folders share
# it, and it accepts the test suites' precompiled header.
export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=true CCACHE_SLOPPINESS=pch_defines,time_macros
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$here/build" -j"$(nproc)"
