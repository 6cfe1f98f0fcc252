#!/usr/bin/env bash
# Builds Tarvo (installing what it needs) and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/scripts/build.sh"
exec "$here/build/bin/tarvo" "$@"
